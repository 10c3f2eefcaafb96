// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptation/VuesMesure.h"

#include "adaptation/smith.h"
#include "shell/Controles.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLocale>
#include <QMouseEvent>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace vues {

namespace {

QChart *nouveauGraphe()
{
    auto *g = new QChart;
    g->setLocalizeNumbers(true);
    g->setLocale(QLocale());
    g->setMargins(QMargins(2, 2, 2, 2));
    g->setBackgroundRoundness(0);
    return g;
}

void poser(QChartView *vue, QChart *graphe)
{
    QChart *ancien = vue->chart();
    vue->setChart(graphe);
    delete ancien;
}

QChartView *vue(const char *nom, const QString &nomAccessible, QWidget *parent)
{
    auto *v = controles::creer<QChartView>(nom, parent);
    v->setAccessibleName(nomAccessible);
    v->setRenderHint(QPainter::Antialiasing);
    v->setFocusPolicy(Qt::NoFocus);
    v->setMinimumSize(560, 220);
    return v;
}

struct Axes {
    QValueAxis *x, *y;
};

Axes axes(QChart *g, const QString &titreY, double xmin, double xmax, double ymin, double ymax, int graduations,
          const QString &formatY)
{
    auto *x = new QValueAxis(g);
    x->setTitleText(QStringLiteral("Fréquence (Mhz)"));
    x->setRange(xmin, xmax);
    x->setLabelFormat(QStringLiteral("%.3f"));
    x->setTickCount(6);
    auto *y = new QValueAxis(g);
    y->setTitleText(titreY);
    y->setRange(ymin, ymax);
    y->setTickCount(graduations);
    y->setLabelFormat(formatY);
    g->addAxis(x, Qt::AlignBottom);
    g->addAxis(y, Qt::AlignLeft);
    return {x, y};
}

void ajouter(QChart *g, Axes a, QAbstractSeries *s, bool dansLegende = true)
{
    g->addSeries(s);
    s->attachAxis(a.x);
    s->attachAxis(a.y);
    if (!dansLegende)
        for (QLegendMarker *m : g->legend()->markers(s)) m->setVisible(false);
}

QChart *grapheRos(const std::vector<Trace> &traces, int choisie, const Surimpressions &en_plus)
{
    const std::optional<CourbeModele> &modele = en_plus.modele;
    QChart *g = nouveauGraphe();
    g->legend()->setVisible(traces.size() > 1 || bool(modele));
    g->legend()->setAlignment(Qt::AlignTop);
    double fmin = HUGE_VAL, fmax = -HUGE_VAL, haut = 3;
    for (const Trace &t : traces) {
        if (t.mesure.points.empty()) continue;
        fmin = std::min(fmin, t.mesure.points.front().frequence / 1e6);
        fmax = std::max(fmax, t.mesure.points.back().frequence / 1e6);
        for (const touchstone::Point &p : t.mesure.points)
            if (p.valide) haut = std::max(haut, p.ros);
    }
    if (!(fmin < fmax)) fmin = 0, fmax = 1;
    // Up to an SWR of 10: the dip is what matters.
    haut = std::min(10.0, std::ceil(haut));
    const Axes a = axes(g, QStringLiteral("ROS"), fmin, fmax, 1, haut, int(haut), QStringLiteral("%.0f"));

    if (choisie >= 0 && choisie < int(traces.size()) && traces[size_t(choisie)].mesure.resonance.bande) {
        const touchstone::Resonance &r = traces[size_t(choisie)].mesure.resonance;
        auto *dessus = new QLineSeries(g), *dessous = new QLineSeries(g);
        *dessus << QPointF(r.bandeDebut / 1e6, haut) << QPointF(r.bandeFin / 1e6, haut);
        *dessous << QPointF(r.bandeDebut / 1e6, 1) << QPointF(r.bandeFin / 1e6, 1);
        auto *bande = new QAreaSeries(dessus, dessous);
        bande->setName(QStringLiteral("ROS < 2"));
        bande->setColor(QColor(40, 170, 60, 60));
        bande->setBorderColor(Qt::transparent);
        ajouter(g, a, bande, false);
    }
    for (size_t i = 0; i < traces.size(); ++i) {
        auto *ros = new QLineSeries(g);
        // One sweep: its curve is the SWR; several: each named after its file in the legend.
        ros->setName(traces.size() > 1 ? traces[i].nom : QStringLiteral("ROS"));
        for (size_t k : touchstone::pointsATracer(traces[i].mesure.points, 2000)) {
            const touchstone::Point &p = traces[i].mesure.points[k];
            ros->append(p.frequence / 1e6, std::min(p.ros, haut));
        }
        ros->setPen(QPen(couleur(int(i)), int(i) == choisie ? 2.5 : 1.2));
        ajouter(g, a, ros);
    }
    if (modele) {
        auto *m = new QLineSeries(g);
        m->setName(QStringLiteral("Modèle NEC-2"));
        for (const QPointF &p : modele->ros)
            if (p.x() >= fmin && p.x() <= fmax) m->append(p.x(), std::min(p.y(), haut));
        m->setPen(QPen(QColor(60, 60, 60), 1.5, Qt::DashLine));
        ajouter(g, a, m);
    }
    if (!en_plus.apresAdaptation.empty()) {
        auto *m = new QLineSeries(g);
        m->setName(QStringLiteral("Après adaptation"));
        for (const QPointF &p : en_plus.apresAdaptation) m->append(p.x(), std::min(p.y(), haut));
        m->setPen(QPen(QColor(40, 150, 60), 2, Qt::DashLine));
        ajouter(g, a, m);
    }
    if (en_plus.frequenceAdaptation) {
        auto *repere = new QLineSeries(g);
        *repere << QPointF(*en_plus.frequenceAdaptation, 1) << QPointF(*en_plus.frequenceAdaptation, haut);
        repere->setPen(QPen(QColor(40, 150, 60), 1, Qt::DotLine));
        ajouter(g, a, repere, false);
    }
    if (choisie >= 0 && choisie < int(traces.size())) {
        const touchstone::Resonance &r = traces[size_t(choisie)].mesure.resonance;
        const double fr = r.frequence / 1e6;
        auto *repere = new QLineSeries(g);
        *repere << QPointF(fr, 1) << QPointF(fr, haut);
        repere->setPen(QPen(QColor(200, 30, 30), 1, Qt::DashLine));
        ajouter(g, a, repere, false);
        auto *point = new QScatterSeries(g);
        point->setMarkerSize(9);
        point->setColor(QColor(200, 30, 30));
        point->setBorderColor(QColor(200, 30, 30));
        *point << QPointF(fr, std::min(r.ros, haut));
        ajouter(g, a, point, false);
    }
    return g;
}

QChart *grapheImpedance(const Trace *t)
{
    QChart *g = nouveauGraphe();
    g->legend()->setAlignment(Qt::AlignTop);
    if (!t || t->mesure.points.empty()) {
        g->legend()->hide();
        return g;
    }
    const std::vector<touchstone::Point> &pts = t->mesure.points;
    // R and X within a span that keeps the resonance readable (a few kiloohms at most).
    double bas = 0, haut = 0;
    for (const touchstone::Point &p : pts)
        if (p.valide) {
            bas = std::min({bas, p.impedance.real(), p.impedance.imag()});
            haut = std::max({haut, p.impedance.real(), p.impedance.imag()});
        }
    bas = std::max(bas, -2000.0);
    haut = std::min(haut, 2000.0);
    // A round step (1, 2 or 5 times a power of ten) giving at most six intervals, 0 on a line.
    const double etendue = std::max(10.0, haut - bas);
    const double puissance = std::pow(10, std::floor(std::log10(etendue / 6)));
    double pas = puissance;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (etendue / (m * puissance) <= 6) {
            pas = m * puissance;
            break;
        }
    bas = std::floor(bas / pas) * pas;
    haut = std::max(std::ceil(haut / pas) * pas, bas + pas);
    const Axes a = axes(g, QStringLiteral("Ohms"), pts.front().frequence / 1e6, pts.back().frequence / 1e6, bas, haut,
                        int(std::lround((haut - bas) / pas)) + 1, QStringLiteral("%.0f"));
    auto *r = new QLineSeries(g), *x = new QLineSeries(g), *zero = new QLineSeries(g);
    r->setName(QStringLiteral("R"));
    x->setName(QStringLiteral("X"));
    for (const touchstone::Point &p : pts) {
        if (!p.valide) continue;
        r->append(p.frequence / 1e6, std::clamp(p.impedance.real(), bas, haut));
        x->append(p.frequence / 1e6, std::clamp(p.impedance.imag(), bas, haut));
    }
    *zero << QPointF(pts.front().frequence / 1e6, 0) << QPointF(pts.back().frequence / 1e6, 0);
    r->setPen(QPen(QColor(20, 60, 170), 2));
    x->setPen(QPen(QColor(200, 110, 20), 2));
    zero->setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    ajouter(g, a, zero, false);
    ajouter(g, a, r);
    ajouter(g, a, x);
    return g;
}

}  // namespace

QColor couleur(int i)
{
    static const QColor couleurs[] = {{20, 60, 170}, {200, 110, 20}, {40, 150, 60}, {150, 40, 160},
                                      {20, 150, 170}, {160, 120, 20}, {220, 60, 120}, {90, 90, 90}};
    return couleurs[((i % 8) + 8) % 8];
}

QPointF surAbaque(std::complex<double> gamma, const QRectF &cadre)
{
    const double rayon = std::min(cadre.width(), cadre.height()) / 2;
    return cadre.center() + QPointF(gamma.real() * rayon, -gamma.imag() * rayon);
}

VuesMesure::VuesMesure(QWidget *parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("Vues_Mesure"));
    ros_ = vue("Courbe_ROS", QStringLiteral("Courbe du ROS mesuré selon la fréquence"), this);
    impedance_ = vue("Courbe_Impedance", QStringLiteral("Résistance et réactance mesurées selon la fréquence"), this);
    abaque_ = new AbaqueSmith(this);
    addTab(ros_, QStringLiteral("ROS"));
    addTab(impedance_, QStringLiteral("Impédance"));
    addTab(abaque_, QStringLiteral("Abaque de Smith"));
    // A click on a view chooses a frequency.
    for (QWidget *w : {static_cast<QWidget *>(ros_->viewport()), static_cast<QWidget *>(impedance_->viewport()),
                       static_cast<QWidget *>(abaque_)})
        w->installEventFilter(this);
}

bool VuesMesure::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() != QEvent::MouseButtonPress) return QTabWidget::eventFilter(objet, evenement);
    const QPointF ici = static_cast<QMouseEvent *>(evenement)->position();
    if (objet == abaque_) {
        // The point of the sweep nearest the click.
        const std::vector<QPointF> points = abaque_->points();
        size_t meilleur = points.size();
        for (size_t i = 0; i < points.size(); ++i)
            if (meilleur == points.size() || QLineF(points[i], ici).length() < QLineF(points[meilleur], ici).length())
                meilleur = i;
        if (meilleur < points.size() && meilleur < frequencesAbaque_.size()) emit frequenceChoisie(frequencesAbaque_[meilleur]);
        return false;
    }
    for (QChartView *v : {ros_, impedance_})
        if (objet == v->viewport() && v->chart() && !v->chart()->axes(Qt::Horizontal).isEmpty()) {
            const QPointF valeur = v->chart()->mapToValue(v->chart()->mapFromScene(v->mapToScene(ici.toPoint())));
            auto *axe = qobject_cast<QValueAxis *>(v->chart()->axes(Qt::Horizontal).constFirst());
            if (axe && valeur.x() >= axe->min() && valeur.x() <= axe->max()) emit frequenceChoisie(valeur.x());
        }
    return false;
}

void VuesMesure::montrer(const std::vector<Trace> &traces, int choisie, const Surimpressions &en_plus)
{
    const Trace *t = choisie >= 0 && choisie < int(traces.size()) ? &traces[size_t(choisie)] : nullptr;
    poser(ros_, grapheRos(traces, choisie, en_plus));
    poser(impedance_, grapheImpedance(t));
    std::vector<std::complex<double>> gammas;
    std::optional<std::complex<double>> resonance;
    frequencesAbaque_.clear();
    if (t) {
        for (const touchstone::Point &p : t->mesure.points)
            if (p.valide) {
                gammas.push_back(p.gamma);
                frequencesAbaque_.push_back(p.frequence / 1e6);
            }
        const std::complex<double> z = t->mesure.resonance.impedance;
        const double r0 = t->mesure.reference;
        if (std::isfinite(std::abs(z))) resonance = (z - r0) / (z + r0);
    }
    abaque_->montrer(gammas, resonance, couleur(choisie));
}

AbaqueSmith::AbaqueSmith(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Abaque_Smith"));
    setAccessibleName(QStringLiteral("Abaque de Smith de la mesure"));
    setMinimumSize(560, 220);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void AbaqueSmith::montrer(const std::vector<std::complex<double>> &gammas,
                          std::optional<std::complex<double>> resonance, QColor couleur)
{
    gammas_ = gammas;
    resonance_ = resonance;
    couleur_ = couleur;
    update();
}

QRectF AbaqueSmith::cadre() const
{
    const double cote = std::max(10, std::min(width(), height()) - 16);
    return QRectF(QPointF(0, 0), QSizeF(cote, cote)).translated(QPointF(width() - cote, height() - cote) / 2);
}

std::vector<QPointF> AbaqueSmith::points() const
{
    std::vector<QPointF> p;
    for (const std::complex<double> &g : gammas_) p.push_back(surAbaque(g, cadre()));
    return p;
}

void AbaqueSmith::paintEvent(QPaintEvent *)
{
    QPainter peintre(this);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRectF c = cadre();
    // The circles of constant resistance and the arcs of constant reactance; the unit circle
    // (r = 0) darker.
    for (const smith::Trace &t : smith::abaque()) {
        QPolygonF ligne;
        for (const QPointF &p : t.points) ligne << surAbaque({p.x(), p.y()}, c);
        const bool bord = t.resistance && t.valeur == 0;
        peintre.setPen(bord ? QPen(QColor(90, 90, 90), 1.2) : QPen(QColor(200, 200, 200), 1));
        peintre.drawPolyline(ligne);
    }
    // Labels of the resistance circles, on the real axis.
    peintre.setPen(QColor(120, 120, 120));
    for (double r : smith::kResistances) {
        if (r == 0) continue;
        const QPointF p = surAbaque({(r - 1) / (r + 1), 0}, c);
        peintre.drawText(p + QPointF(2, -2), QLocale().toString(r, 'g', 2));
    }
    if (gammas_.size() > 1) {
        QPolygonF ligne;
        for (const std::complex<double> &g : gammas_) ligne << surAbaque(g, c);
        peintre.setPen(QPen(couleur_, 2));
        peintre.drawPolyline(ligne);
    }
    if (resonance_) {
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(QColor(200, 30, 30));
        peintre.drawEllipse(surAbaque(*resonance_, c), 4.5, 4.5);
    }
}

}  // namespace vues

// SPDX-License-Identifier: GPL-3.0-or-later
#include "dipole/Form11.h"

#include "dipole/tableau.h"
#include "shell/Controles.h"
#include "shell/core/Module1.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QLabel>
#include <QTableWidget>

#ifdef ORVALIS_IMPRESSION
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#endif

namespace {

constexpr int kLignes = Module1::kMaxSolutions;
constexpr int kColonnes = Module1::kColonnesSolutions;

}  // namespace

Form11::Form11(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form11"), QStringLiteral("Tableau des solutions retenues"))
{
    const QStringList enTetes = solutions::enTetes();
    static constexpr int largeurs[kColonnes] = {300, 400, 400, 600, 800, 700, 700, 700, 700};

    MSHFlexGrid1 = controles::grille("MSHFlexGrid1", kLignes, kColonnes, QStringLiteral("Solutions retenues"), true, this);
    MSHFlexGrid1->setToolTip(solutions::kLegende);

    // The widths are those of the design, widened where a heading would not fit at this font.
    QHeaderView *entete = MSHFlexGrid1->horizontalHeader();
    int largeurTotale = 2 * MSHFlexGrid1->frameWidth();
    for (int c = 0; c < kColonnes; ++c) {
        const QString &texte = enTetes[c];
        MSHFlexGrid1->setHorizontalHeaderItem(c, new QTableWidgetItem(texte));
        const int utile = entete->fontMetrics().horizontalAdvance(texte + QStringLiteral("MM"));
        const int largeur = std::max(controles::twipsEnPixels(this, largeurs[c]), utile);
        MSHFlexGrid1->setColumnWidth(c, largeur);
        largeurTotale += largeur;
    }
    entete->setStretchLastSection(true);
    MSHFlexGrid1->setMinimumSize(largeurTotale, entete->sizeHint().height() +
                                                    kLignes * MSHFlexGrid1->verticalHeader()->defaultSectionSize() +
                                                    2 * MSHFlexGrid1->frameWidth());

    // Filled from the table once, when the window is first needed; add and clear keep it in step.
    const auto &table = store().Tableau_Solutions;
    for (int r = 1; r <= kLignes; ++r)
        for (int c = 0; c < kColonnes; ++c) {
            auto *item = new QTableWidgetItem(solutions::texteGrille(table[r][c]));
            item->setTextAlignment(Qt::AlignCenter);
            MSHFlexGrid1->setItem(r - 1, c, item);
        }

    Picture1 = controles::dessin("Picture1", this);
    chargerImage(Picture1, QStringLiteral(":/dessins/Form11.png"));

    auto *page = new QHBoxLayout(this);
    page->addWidget(MSHFlexGrid1, 1);
    page->addWidget(Picture1);
}

void Form11::ecrire(int r, int c, const QString &texte)
{
    if (QTableWidgetItem *item = MSHFlexGrid1->item(r - 1, c)) item->setText(texte);
}

void Form11::vider()
{
    for (int r = 1; r <= kLignes; ++r)
        for (int c = 1; c < kColonnes; ++c) ecrire(r, c, QString());
}

bool Form11::imprimer()
{
#ifdef ORVALIS_IMPRESSION
    const QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
    if (defaut.isNull()) return false;
    QPrinter imprimante(defaut, QPrinter::HighResolution);
    return imprimerSur(imprimante);
#else
    return false;
#endif
}

#ifdef ORVALIS_IMPRESSION
bool Form11::imprimerSur(QPrinter &imprimante)
{
    const QPixmap image = grab();
    if (image.isNull()) return false;
    QPainter p;
    if (!p.begin(&imprimante)) return false;
    // At its size on screen, made smaller only when it would not fit the page.
    const QRect page = p.viewport();
    const double echelle = double(imprimante.resolution()) / logicalDpiX();
    QSize taille = (QSizeF(image.size()) * echelle).toSize();
    if (taille.width() > page.width() || taille.height() > page.height())
        taille.scale(page.size(), Qt::KeepAspectRatio);
    p.drawPixmap(QRect(page.topLeft(), taille), image);
    return p.end();
}
#else
bool Form11::imprimerSur(QPrinter &) { return false; }
#endif

void Form11::hideEvent(QHideEvent *event)
{
    FenetreTravail::hideEvent(event);
    if (!event->spontaneous()) emit masque();
}

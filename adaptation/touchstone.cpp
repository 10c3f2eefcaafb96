// SPDX-License-Identifier: GPL-3.0-or-later
#include "adaptation/touchstone.h"

#include "shell/core/constantes.h"
#include "shell/core/nombres.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

using constantes::kSautLigne;

namespace touchstone {

namespace {

enum class Format { RI, MA, DB };

// What a token of a data line holds.
enum class Valeur { Nombre, PasUnNombre, NonFinie };

// A token of the file as the user may see it in a message: at most 30 bytes.
QString montre(std::string_view t)
{
    const bool coupe = t.size() > 30;
    return QString::fromUtf8(t.data(), qsizetype(coupe ? 30 : t.size())) + (coupe ? QStringLiteral("…") : QString());
}

bool blanc(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

// The tokens of a line, without its comment ("!" to the end of the line).
std::vector<std::string_view> jetons(std::string_view ligne)
{
    ligne = ligne.substr(0, ligne.find('!'));
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < ligne.size()) {
        while (i < ligne.size() && blanc(ligne[i])) ++i;
        const size_t debut = i;
        while (i < ligne.size() && !blanc(ligne[i])) ++i;
        if (i > debut) out.push_back(ligne.substr(debut, i - debut));
    }
    return out;
}

std::string minuscules(std::string_view t)
{
    std::string s(t);
    for (char &c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

// A number as Touchstone writes it: [+-]digits[.digits][(e|E)[+-]digits], or .digits.
Valeur lireValeur(std::string_view t, double &x)
{
    size_t i = 0;
    std::string s;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-') s.push_back('-');
        ++i;
    }
    const std::string mot = minuscules(t.substr(i));
    if (mot == "inf" || mot == "infinity" || mot == "nan" || mot.starts_with("nan(")) return Valeur::NonFinie;
    auto chiffres = [&] {
        size_t n = 0;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            s.push_back(t[i++]);
            ++n;
        }
        return n;
    };
    size_t n = chiffres();
    if (i < t.size() && t[i] == '.') {
        s.push_back('.');
        ++i;
        n += chiffres();
    }
    if (n == 0) return Valeur::PasUnNombre;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        s.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) s.push_back(t[i++]);
        if (chiffres() == 0) return Valeur::PasUnNombre;
    }
    if (i != t.size()) return Valeur::PasUnNombre;
    x = nombres::depuisDecimal(s);
    return std::isfinite(x) ? Valeur::Nombre : Valeur::NonFinie;
}

// The ports of a version 1 file by its name: .s1p gives 1, .s2p 2, .sNp N; 0 for another name.
int portsDuNom(const QString &nom)
{
    static const QRegularExpression extension(QStringLiteral("\\.s(\\d{1,3})p$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = extension.match(nom);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString phrasePorts(int ports)
{
    return QStringLiteral("le fichier décrit %1 ports ; seules les mesures à 1 ou 2 ports (.s1p, .s2p) sont lues")
        .arg(ports);
}

// The name of the keyword a line starts with ("[Number  of PORTS]" gives "number of ports"), and
// where its closing bracket is; empty when it has none.
std::string cleDe(std::string_view ligne, size_t &ferme);

class Lecteur {
public:
    Lecteur(const QByteArray &contenu, const QString &nom)
        : texte_(contenu.constData(), size_t(contenu.size())), ports_(portsDuNom(nom))
    {
    }

    Lecture lire();

private:
    bool echec(int ligne, const QString &texte)
    {
        erreur_ = {ligne, texte};
        return false;
    }
    bool ligne(int n, std::string_view brute);
    bool premiere(int n, const std::vector<std::string_view> &t, std::string_view brute);
    bool options(int n, const std::vector<std::string_view> &t);
    bool motCle(int n, std::string_view brute);
    bool nombres(int n, const std::vector<std::string_view> &t, std::vector<double> &out);
    bool donnees1(int n, const std::vector<std::string_view> &t);
    bool donnees2(int n, const std::vector<std::string_view> &t);
    bool reference(int n, const std::vector<std::string_view> &t, size_t depuis);
    bool point(int n, const double *v);
    double R0() const { return referenceCle_.value_or(referenceOption_); }
    int parMesure() const { return 1 + 2 * (ports_ == 1 ? 1 : (matricePleine_ ? 4 : 3)); }

    std::string_view texte_;
    int ports_ = 0;
    int version_ = 0;              // 0 before the first line that tells
    bool optionsLues_ = false;
    Format format_ = Format::MA;
    double unite_ = 1e9;
    double referenceOption_ = 50;       // R of the option line
    std::optional<double> referenceCle_;  // the first value of [Reference], which prevails
    bool matricePleine_ = true;
    // Version 2: where the reading is.
    bool information_ = false;
    bool reseau_ = false;          // in [Network Data]
    bool fini_ = false;            // [Noise Data], [End] or, in version 1, the noise lines reached
    int referencesAttendues_ = 0;  // [Reference] values still to come on the next lines
    long long frequencesAnnoncees_ = -1;
    std::vector<double> enCours_;  // numbers of the measurement being read (version 2 wraps lines)
    int ligneEnCours_ = 0;
    int lignePrecedente_ = 0;
    Mesure mesure_;
    Erreur erreur_;
};

bool Lecteur::nombres(int n, const std::vector<std::string_view> &t, std::vector<double> &out)
{
    out.clear();
    for (std::string_view j : t) {
        double x = 0;
        switch (lireValeur(j, x)) {
        case Valeur::Nombre: out.push_back(x); break;
        case Valeur::PasUnNombre: return echec(n, QStringLiteral("« %1 » n'est pas un nombre").arg(montre(j)));
        case Valeur::NonFinie: return echec(n, QStringLiteral("« %1 » n'est pas une valeur finie").arg(montre(j)));
        }
    }
    return true;
}

bool Lecteur::options(int n, const std::vector<std::string_view> &t)
{
    // "#" may stand alone or lead the first option.
    std::vector<std::string_view> o;
    for (std::string_view j : t) {
        if (j.starts_with('#')) j.remove_prefix(1);
        if (!j.empty()) o.push_back(j);
    }
    for (size_t i = 0; i < o.size(); ++i) {
        const std::string m = minuscules(o[i]);
        if (m == "hz") unite_ = 1;
        else if (m == "khz") unite_ = 1e3;
        else if (m == "mhz") unite_ = 1e6;
        else if (m == "ghz") unite_ = 1e9;
        else if (m == "ri") format_ = Format::RI;
        else if (m == "ma") format_ = Format::MA;
        else if (m == "db") format_ = Format::DB;
        else if (m == "s") continue;
        else if (m == "y" || m == "z" || m == "h" || m == "g")
            return echec(n, QStringLiteral("paramètres %1 : seuls les paramètres S (coefficients de réflexion) sont lus")
                                .arg(QString::fromStdString(m).toUpper()));
        else if (m == "r") {
            double r = 0;
            if (i + 1 >= o.size() || lireValeur(o[i + 1], r) != Valeur::Nombre || !(r > 0))
                return echec(n, QStringLiteral("la résistance de référence (R) doit être un nombre supérieur à 0"));
            referenceOption_ = r;
            ++i;
        } else
            return echec(n, QStringLiteral("option « %1 » inconnue (attendu : Hz, kHz, MHz, GHz, S, RI, MA, DB, R)")
                                .arg(montre(o[i])));
    }
    optionsLues_ = true;
    return true;
}

bool Lecteur::point(int n, const double *v)
{
    const double f = v[0] * unite_;
    if (!std::isfinite(f)) return echec(n, QStringLiteral("la fréquence dépasse les limites des nombres"));
    if (f < 0) return echec(n, QStringLiteral("la fréquence est négative"));
    std::vector<Point> &p = mesure_.points;
    if (!p.empty() && !(f > p.back().frequence))
        return echec(n, QStringLiteral("la fréquence n'est pas supérieure à celle de la ligne %1 : les fréquences "
                                       "doivent croître")
                            .arg(lignePrecedente_));
    lignePrecedente_ = n;
    Point q;
    q.frequence = f;
    const double angle = v[2] * std::numbers::pi / 180;
    switch (format_) {
    case Format::RI: q.gamma = {v[1], v[2]}; break;
    case Format::MA: q.gamma = {v[1] * std::cos(angle), v[1] * std::sin(angle)}; break;
    case Format::DB: {
        const double module = std::pow(10.0, v[1] / 20);
        q.gamma = {module * std::cos(angle), module * std::sin(angle)};
        break;
    }
    }
    const double g = std::abs(q.gamma);
    if (std::isfinite(g) && g < 1) {
        q.impedance = R0() * (1.0 + q.gamma) / (1.0 - q.gamma);
        q.ros = (1 + g) / (1 - g);
        // A resistance above 0, as |gamma| < 1 gives, unless rounding says otherwise next to 1.
        q.valide = std::isfinite(q.impedance.real()) && std::isfinite(q.impedance.imag()) &&
                   q.impedance.real() > 0 && std::isfinite(q.ros);
    }
    p.push_back(q);
    return true;
}

bool Lecteur::donnees1(int n, const std::vector<std::string_view> &t)
{
    std::vector<double> v;
    if (!nombres(n, t, v)) return false;
    if (ports_ == 0) {
        if (v.size() == 3) ports_ = 1;
        else if (v.size() == 9) ports_ = 2;
        else
            return echec(n, QStringLiteral("%1 nombres : une ligne de mesure en a 3 (1 port) ou 9 (2 ports)")
                                .arg(v.size()));
    }
    // Noise parameters follow the measurements of a two-port file, from a frequency that does
    // not increase, five numbers a line.
    if (ports_ == 2 && v.size() == 5 && !mesure_.points.empty() && v[0] * unite_ <= mesure_.points.back().frequence) {
        fini_ = true;
        return true;
    }
    const size_t attendus = size_t(parMesure());
    if (v.size() != attendus)
        return echec(n, QStringLiteral("%1 nombres au lieu de %2 pour une mesure à %3 port%4")
                            .arg(v.size())
                            .arg(attendus)
                            .arg(ports_)
                            .arg(ports_ > 1 ? QStringLiteral("s") : QString()));
    return point(n, v.data());
}

bool Lecteur::reference(int n, const std::vector<std::string_view> &t, size_t depuis)
{
    for (size_t i = depuis; i < t.size() && referencesAttendues_ > 0; ++i, --referencesAttendues_) {
        double r = 0;
        const Valeur l = lireValeur(t[i], r);
        if (l != Valeur::Nombre || !(r > 0))
            return echec(n, QStringLiteral("[Reference] : « %1 » n'est pas une résistance supérieure à 0").arg(montre(t[i])));
        if (!referenceCle_) referenceCle_ = r;
    }
    return true;
}

bool Lecteur::donnees2(int n, const std::vector<std::string_view> &t)
{
    if (referencesAttendues_ > 0) return reference(n, t, 0);
    if (!reseau_) return echec(n, QStringLiteral("des données précèdent [Network Data]"));
    std::vector<double> v;
    if (!nombres(n, t, v)) return false;
    const size_t par = size_t(parMesure());
    for (double x : v) {
        if (enCours_.empty()) ligneEnCours_ = n;
        enCours_.push_back(x);
        if (enCours_.size() == par) {
            if (!point(ligneEnCours_, enCours_.data())) return false;
            enCours_.clear();
        }
    }
    return true;
}

// The integer value of a keyword, at least 1.
bool entier(std::string_view valeur, long long &x)
{
    const std::vector<std::string_view> t = jetons(valeur);
    double d = 0;
    if (t.size() != 1 || lireValeur(t[0], d) != Valeur::Nombre || d < 1 || d > 1e15 || d != std::floor(d)) return false;
    x = (long long)d;
    return true;
}

std::string cleDe(std::string_view ligne, size_t &ferme)
{
    const size_t ouvre = ligne.find('[');
    ferme = ligne.find(']');
    std::string cle;
    if (ouvre == std::string_view::npos || ferme == std::string_view::npos || ferme < ouvre) {
        ferme = std::string_view::npos;
        return cle;
    }
    for (const std::string_view &m : jetons(ligne.substr(ouvre + 1, ferme - ouvre - 1)))
        cle += (cle.empty() ? "" : " ") + minuscules(m);
    return cle;
}

bool Lecteur::motCle(int n, std::string_view brute)
{
    brute = brute.substr(0, brute.find('!'));
    const size_t ouvre = brute.find('[');
    size_t ferme = 0;
    const std::string cle = cleDe(brute, ferme);
    // Anything may stand in the information block, up to its end.
    if (information_) {
        if (cle == "end information") information_ = false;
        return true;
    }
    if (ferme == std::string_view::npos)
        return echec(n, QStringLiteral("« %1 » : crochet fermant manquant").arg(montre(brute.substr(ouvre))));
    const std::string_view valeur = brute.substr(ferme + 1);
    const QString nomCle = montre(brute.substr(ouvre, ferme - ouvre + 1));
    if (version_ == 1) return echec(n, QStringLiteral("mot-clé « %1 » dans un fichier Touchstone 1 (sans [Version])").arg(nomCle));
    if (referencesAttendues_ > 0) return echec(n, QStringLiteral("[Reference] incomplet"));
    long long x = 0;
    if (cle == "number of ports") {
        if (!entier(valeur, x)) return echec(n, QStringLiteral("[Number of Ports] doit être un nombre entier de ports"));
        if (x > 2) return echec(n, phrasePorts(int(std::min<long long>(x, 999))));
        ports_ = int(x);
    } else if (cle == "number of frequencies") {
        if (!entier(valeur, x)) return echec(n, QStringLiteral("[Number of Frequencies] doit être un nombre entier"));
        frequencesAnnoncees_ = x;
    } else if (cle == "reference") {
        if (ports_ == 0) return echec(n, QStringLiteral("[Reference] précède [Number of Ports]"));
        referencesAttendues_ = ports_;
        return reference(n, jetons(valeur), 0);
    } else if (cle == "matrix format") {
        const std::vector<std::string_view> t = jetons(valeur);
        const std::string m = t.size() == 1 ? minuscules(t[0]) : std::string();
        if (m != "full" && m != "lower" && m != "upper")
            return echec(n, QStringLiteral("[Matrix Format] doit valoir Full, Lower ou Upper"));
        matricePleine_ = m == "full";
    } else if (cle == "begin information") {
        information_ = true;
    } else if (cle == "network data") {
        if (ports_ == 0) return echec(n, QStringLiteral("[Network Data] sans [Number of Ports] avant"));
        reseau_ = true;
    } else if (cle == "noise data" || cle == "end") {
        fini_ = true;
    }
    // [Version] again, [Two-Port Data Order], [Number of Noise Frequencies], [Mixed-Mode Order] and
    // keywords of later versions change nothing to S11.
    return true;
}

bool Lecteur::premiere(int n, const std::vector<std::string_view> &t, std::string_view brute)
{
    const std::string_view debut = t.front();
    if (debut.starts_with('[')) {
        brute = brute.substr(0, brute.find('!'));
        size_t ferme = 0;
        if (cleDe(brute, ferme) != "version")
            return echec(n, QStringLiteral("« %1 » : ce n'est pas un fichier Touchstone (la version 2 commence par "
                                           "[Version])")
                                .arg(montre(brute)));
        const std::string_view valeur = brute.substr(ferme + 1);
        const std::vector<std::string_view> v = jetons(valeur);
        double x = 0;
        if (v.size() != 1 || lireValeur(v[0], x) != Valeur::Nombre || x < 2 || x >= 3) {
            // The version as the file writes it, from its first token to its last.
            const QString version =
                v.empty() ? QStringLiteral("sans numéro")
                          : QStringLiteral("« %1 »")
                                .arg(montre(valeur.substr(size_t(v.front().data() - valeur.data()),
                                                          size_t(v.back().data() + v.back().size() -
                                                                 v.front().data()))));
            return echec(n, QStringLiteral("[Version] %1 : seules les versions 1.0, 1.1 et 2.x sont lues").arg(version));
        }
        version_ = 2;
        ports_ = 0;  // a version 2 file tells its ports whatever its name
        return true;
    }
    double x = 0;
    if (!debut.starts_with('#') && lireValeur(debut, x) == Valeur::PasUnNombre)
        return echec(n, QStringLiteral("« %1 » : ce n'est pas un fichier Touchstone").arg(montre(debut)));
    version_ = 1;
    if (ports_ > 2) return echec(n, phrasePorts(ports_));
    return ligne(n, brute);
}

bool Lecteur::ligne(int n, std::string_view brute)
{
    const std::vector<std::string_view> t = jetons(brute);
    if (t.empty()) return true;
    if (version_ == 0) return premiere(n, t, brute);
    if (information_ || t.front().starts_with('[')) return motCle(n, brute);
    if (t.front().starts_with('#')) {
        // Only the first option line, before the data, counts.
        const bool avant = version_ == 1 ? mesure_.points.empty() : !reseau_;
        if (optionsLues_ || !avant) return true;
        return options(n, t);
    }
    return version_ == 1 ? donnees1(n, t) : donnees2(n, t);
}

}  // namespace

std::optional<Resonance> trouverResonance(const std::vector<Point> &p, double reference)
{
    Resonance r;
    // The SWR minimum.
    size_t mini = p.size();
    for (size_t i = 0; i < p.size(); ++i)
        if (p[i].valide && (mini == p.size() || p[i].ros < p[mini].ros)) mini = i;
    if (mini == p.size()) return std::nullopt;
    r.frequence = p[mini].frequence;
    r.ros = p[mini].ros;
    r.impedance = p[mini].impedance;

    // The reactance crossing zero nearest the minimum, between two neighbouring points that both
    // have an impedance (or on a point where it is zero).
    double ecart = INFINITY;
    for (size_t i = 0; i < p.size(); ++i) {
        if (!p[i].valide) continue;
        const double x0 = p[i].impedance.imag();
        double f = 0, t = 0;
        size_t j = i;
        if (x0 == 0) {
            f = p[i].frequence;
        } else if (i + 1 < p.size() && p[i + 1].valide && (x0 < 0) != (p[i + 1].impedance.imag() < 0) &&
                   p[i + 1].impedance.imag() != 0) {
            // Linear interpolation; the magnitudes are scaled so that no sum overflows.
            const double a = std::abs(x0), b = std::abs(p[i + 1].impedance.imag());
            const double echelle = std::max(a, b);
            t = (a / echelle) / (a / echelle + b / echelle);
            j = i + 1;
            f = p[i].frequence + t * (p[j].frequence - p[i].frequence);
        } else {
            continue;
        }
        const double d = std::abs(f - p[mini].frequence);
        if (!(d < ecart)) continue;
        ecart = d;
        r.frequence = f;
        r.passageAZero = true;
        const double R = p[i].impedance.real() + t * (p[j].impedance.real() - p[i].impedance.real());
        r.impedance = {R, 0.0};
        // The SWR of that impedance, a pure resistance.
        r.ros = std::max(R / reference, reference / R);
    }

    // The band where the SWR stays below 2, walking from the resonance to each side.
    if (r.ros < 2) {
        r.bande = true;
        auto bord = [&](bool versLeHaut, bool &auBord) {
            double f0 = r.frequence, s0 = r.ros;
            for (size_t k = 0; k < p.size(); ++k) {
                const Point &q = versLeHaut ? p[k] : p[p.size() - 1 - k];
                if (versLeHaut ? !(q.frequence > r.frequence) : !(q.frequence < r.frequence)) continue;
                if (!q.valide) return f0;
                if (q.ros >= 2) return f0 + (q.frequence - f0) * (2 - s0) / (q.ros - s0);
                f0 = q.frequence;
                s0 = q.ros;
            }
            auBord = true;
            return f0;
        };
        r.bandeDebut = bord(false, r.debutAuBord);
        r.bandeFin = bord(true, r.finAuBord);
    }
    return r;
}

namespace {

// The resonance of a sweep whose points are read; false when no point has an SWR.
bool trouverResonance(Mesure &m)
{
    const std::optional<Resonance> r = touchstone::trouverResonance(m.points, m.reference);
    if (!r) return false;
    m.resonance = *r;
    return true;
}

}  // namespace

Lecture Lecteur::lire()
{
    Lecture l;
    if (texte_.size() > size_t(kTailleMaximale)) {
        l.erreur = {0, QStringLiteral("le fichier dépasse 16 Mio : ce n'est pas une mesure d'analyseur")};
        return l;
    }
    int n = 0;
    size_t i = 0;
    bool vide = true;
    while (i < texte_.size() && !fini_) {
        // Lines end with CR LF, LF or CR.
        size_t fin = i;
        while (fin < texte_.size() && texte_[fin] != '\n' && texte_[fin] != '\r') ++fin;
        ++n;
        const std::string_view brute = texte_.substr(i, fin - i);
        if (!jetons(brute).empty()) vide = false;
        if (!ligne(n, brute)) {
            l.erreur = erreur_;
            return l;
        }
        i = fin;
        if (i < texte_.size() && texte_[i] == '\r') ++i;
        if (i < texte_.size() && texte_[i] == '\n') ++i;
    }
    if (vide) {
        l.erreur = {0, QStringLiteral("le fichier ne contient rien : ce n'est pas un fichier Touchstone")};
        return l;
    }
    if (!enCours_.empty()) {
        l.erreur = {ligneEnCours_, QStringLiteral("mesure incomplète : %1 nombres au lieu de %2")
                                       .arg(enCours_.size())
                                       .arg(parMesure())};
        return l;
    }
    if (referencesAttendues_ > 0) {
        l.erreur = {n, QStringLiteral("[Reference] incomplet")};
        return l;
    }
    if (version_ == 2 && !reseau_) {
        l.erreur = {0, QStringLiteral("[Network Data] manque : le fichier ne contient aucune mesure")};
        return l;
    }
    const size_t nombre = mesure_.points.size();
    if (frequencesAnnoncees_ >= 0 && size_t(frequencesAnnoncees_) != nombre) {
        l.erreur = {0, QStringLiteral("[Number of Frequencies] annonce %1 fréquences, le fichier en contient %2")
                           .arg(frequencesAnnoncees_)
                           .arg(nombre)};
        return l;
    }
    if (nombre < 3) {
        const QString combien = nombre == 0   ? QStringLiteral("aucune mesure")
                                : nombre == 1 ? QStringLiteral("qu'une mesure")
                                              : QStringLiteral("que 2 mesures");
        l.erreur = {0, QStringLiteral("le fichier ne contient %1 ; il en faut au moins 3").arg(combien)};
        return l;
    }
    mesure_.version = version_;
    mesure_.reference = R0();
    mesure_.ports = ports_;
    if (!trouverResonance(mesure_)) {
        l.erreur = {0, QStringLiteral("|S11| vaut 1 ou plus à toutes les fréquences : le ROS n'y est défini nulle part")};
        return l;
    }
    l.mesure = std::move(mesure_);
    return l;
}

Lecture lire(const QByteArray &contenu, const QString &nomFichier) { return Lecteur(contenu, nomFichier).lire(); }

Lecture lireFichier(const QString &chemin)
{
    Lecture l;
    QFile f(chemin);
    if (QFileInfo(chemin).isDir() || !f.open(QIODevice::ReadOnly)) {
        l.erreur = {0, QStringLiteral("le fichier ne peut pas être ouvert")};
        return l;
    }
    // A device or a pipe tells no size: read one byte past the limit to know.
    if (f.size() > kTailleMaximale) {
        l.erreur = {0, QStringLiteral("le fichier dépasse 16 Mio : ce n'est pas une mesure d'analyseur")};
        return l;
    }
    const QByteArray contenu = f.read(kTailleMaximale + 1);
    if (f.error() != QFileDevice::NoError) {
        l.erreur = {0, QStringLiteral("le fichier ne peut pas être lu")};
        return l;
    }
    return lire(contenu, QFileInfo(chemin).fileName());
}

QString message(const QString &nomFichier, const Erreur &erreur)
{
    QString detail = erreur.texte;
    if (erreur.ligne > 0) detail = QStringLiteral("Ligne %1 : %2").arg(erreur.ligne).arg(detail);
    else if (!detail.isEmpty()) detail[0] = detail[0].toUpper();
    return QStringLiteral("La mesure « %1 » n'a pas été lue.").arg(nomFichier) + kSautLigne + detail + QStringLiteral(".");
}

QString resume(const Resonance &r)
{
    const double X = r.impedance.imag();
    const bool negatif = std::round(X * 10) < 0;
    QString t = QStringLiteral("Résonance : %1 Mhz — ROS %2 — Z = %3 %4 j%5 Ohms — ")
                    .arg(nombres::fixe(r.frequence / 1e6, 3), nombres::fixe(r.ros, 2),
                         nombres::fixe(r.impedance.real(), 1), negatif ? QStringLiteral("-") : QStringLiteral("+"),
                         nombres::fixe(std::abs(X), 1));
    if (!r.bande) return t + QStringLiteral("aucune bande où le ROS est inférieur à 2");
    t += QStringLiteral("ROS < 2 de %1 à %2 Mhz")
             .arg(nombres::fixe(r.bandeDebut / 1e6, 3), nombres::fixe(r.bandeFin / 1e6, 3));
    if (r.debutAuBord || r.finAuBord) t += QStringLiteral(" (jusqu'au bord du balayage)");
    return t;
}

QString messageRefus(const QString &nomFichier, const Resonance &r)
{
    return QStringLiteral("La mesure « %1 » n'a pas été lue.").arg(nomFichier) + kSautLigne +
           QStringLiteral("Sa résonance, %1 Mhz, ne peut pas être prise comme fréquence mesurée.")
               .arg(nombres::fixe(r.frequence / 1e6, 3));
}

std::vector<size_t> pointsATracer(const std::vector<Point> &points, size_t maximum)
{
    std::vector<size_t> valides;
    for (size_t i = 0; i < points.size(); ++i)
        if (points[i].valide) valides.push_back(i);
    maximum = std::max<size_t>(maximum, 2);
    if (valides.size() <= maximum) return valides;
    std::vector<size_t> out;
    const size_t troncons = maximum / 2;
    for (size_t k = 0; k < troncons; ++k) {
        const size_t debut = valides.size() * k / troncons, fin = valides.size() * (k + 1) / troncons;
        size_t bas = valides[debut], haut = valides[debut];
        for (size_t j = debut; j < fin; ++j) {
            if (points[valides[j]].ros < points[bas].ros) bas = valides[j];
            if (points[valides[j]].ros > points[haut].ros) haut = valides[j];
        }
        out.push_back(std::min(bas, haut));
        if (bas != haut) out.push_back(std::max(bas, haut));
    }
    return out;
}

QString frequenceSaisie(const Resonance &r) { return QString::number(r.frequence / 1e6, 'f', 3); }

namespace {

// A double in its shortest round-trip C form.
void ajouterNombre(QByteArray &out, double x)
{
    char tampon[32];
    const std::to_chars_result r = std::to_chars(tampon, tampon + sizeof tampon, x);
    out.append(tampon, qsizetype(r.ptr - tampon));
}

}  // namespace

QByteArray ecrireS1p(const std::vector<Point> &points, double reference, const QString &quoi)
{
    QString commentaire = quoi;
    commentaire.replace(u'\r', u' ').replace(u'\n', u' ');
    QByteArray out = QStringLiteral("! Orvalis — %1\n").arg(commentaire).toUtf8();
    out += "# HZ S RI R ";
    ajouterNombre(out, reference);
    out += '\n';
    for (const Point &p : points) {
        if (!std::isfinite(p.frequence) || !std::isfinite(p.gamma.real()) || !std::isfinite(p.gamma.imag())) continue;
        ajouterNombre(out, p.frequence);
        out += ' ';
        ajouterNombre(out, p.gamma.real());
        out += ' ';
        ajouterNombre(out, p.gamma.imag());
        out += '\n';
    }
    return out;
}

}  // namespace touchstone

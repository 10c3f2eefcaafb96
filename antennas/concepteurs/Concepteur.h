// SPDX-License-Identifier: GPL-3.0-or-later
// One designer of the antenna window (wire, Yagi, Quad and Delta-Loop, Levy), on its tab: its
// frame of choices and fields, the fields it declares in the window's entry-field table, and its
// calculation. What the designers share (the band, the result box, the drawing, the design for
// the model) is the window's, reached through the workshop it provides.
#pragma once

#include "antennas/commun.h"
#include "modele/fabrique.h"
#include "shell/Controles.h"

#include <QObject>

class ChampsNumeriques;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QWidget;
struct Module1;

namespace antennes {

// What the designers share, provided by the window.
class Atelier {
public:
    virtual Module1 &store() = 0;
    // Whether the frequency can be calculated with; otherwise a warning naming the remedy (typing
    // a frequency, or for a designer whose frequency cannot be typed, the band table).
    virtual bool frequencePrete(float frequence, bool saisissable = true) = 0;
    // A typed frequency names its band by its wavelength and frees the band choice.
    virtual void libreChoix(float longueurOnde) = 0;
    // The band list's entry (0: "Libre choix").
    virtual int indexBande() const = 0;
    // The drawing of the antenna: a picture file of the program directory.
    virtual void chargerDessin(const QString &nom) = 0;
    // The result box: the widget itself (a changed field empties it), emptied, or its whole text.
    virtual QWidget *zoneResultats() = 0;
    virtual void effacerResultats() = 0;
    virtual void ecrireResultats(const QString &texte) = 0;
    // The design the result box shows, for the model.
    virtual void concevoir(modele::Fabrique conception) = 0;

protected:
    ~Atelier() = default;
};

class Concepteur : public QObject {
    Q_OBJECT
public:
    // The designer's frame `nomCadre` titled `titre`: captions beside their fields, which take
    // the width left, or controls the whole width.
    Concepteur(Atelier &atelier, const char *nomCadre, const QString &titre, QObject *parent);

    // The tab's page: the frame, its calculate button at the foot.
    QGroupBox *page(QPushButton *calculer);

    virtual void declarer(ChampsNumeriques &) {}
    virtual void calculer() = 0;
    // A band was chosen: its frequency, in the designer's frequency field.
    virtual void montrerFrequence(float frequence) = 0;

protected:
    Module1 &store() const { return atelier_.store(); }
    // The header block then `lignes` in the result box, and the lines left in the store.
    void ecrireResultats(float frequence, float longueurOnde, int nombreTirets, const Lignes &lignes);

    Atelier &atelier_;
    controles::Formulaire formulaire_;
};

// An entry field of the designers, as wide as "0 000,000 Mhz" and a little more.
QLineEdit *champ(const char *nom, const QString &texte);
// A frequency, with three decimals and " Mhz", in `champ`.
void montrerFrequence(QLineEdit *champ, float frequence);
// A list as wide as its longest entry.
QComboBox *liste(const char *nom, const QStringList &entrees, const QString &texteInitial);

}  // namespace antennes

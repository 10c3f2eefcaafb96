// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every picture the program shows, with the file it goes into and its size in pixels.

#include <QList>
#include <QSize>
#include <QString>

namespace dessin {

class Trace;

struct Dessin {
    QString fichier;              // "Yagi.gif", "Filtre-PI-6.bmp", "dessins/Form1.png"
    QSize taille;
    void (*tracer)(Trace &);
};

QList<Dessin> antennes();  // the antenna designer's pictures and its opening drawing
QList<Dessin> circuits();  // the toolbox's circuit pictures
QList<Dessin> fenetres();  // the shortened dipole's and the solutions table's drawings

inline QList<Dessin> tous() { return antennes() + circuits() + fenetres(); }

}  // namespace dessin

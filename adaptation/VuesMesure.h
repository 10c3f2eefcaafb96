// SPDX-License-Identifier: GPL-3.0-or-later
// The three views of the sweeps read in the adaptation window, in tabs (Vues_Mesure): "ROS" (every
// sweep's SWR, each in its colour and named in the legend, the chosen one's resonance marked and
// its SWR < 2 band shaded, the model's SWR dashed), "Impédance" (R and X of the chosen sweep, with
// X = 0 drawn) and "Abaque de Smith" (the chosen sweep's reflection coefficient on a Smith chart the
// program draws, its resonance marked).
#pragma once

#include "adaptation/touchstone.h"

#include <QColor>
#include <QTabWidget>
#include <optional>
#include <vector>

class QChartView;

namespace vues {

// A sweep to show: its name (the file's) and its points, at the antenna when a cable is removed.
struct Trace {
    QString nom;
    touchstone::Mesure mesure;
};

// A curve of the NEC-2 model over the same span: MHz and SWR.
struct CourbeModele {
    std::vector<QPointF> ros;
    std::optional<double> resonance;  // MHz
};

// Optional curves drawn over the sweeps on the SWR view: the model's, and the chosen sweep's SWR
// through a matching network (MHz and SWR), with the frequency it was designed at.
struct Surimpressions {
    std::optional<CourbeModele> modele;
    std::vector<QPointF> apresAdaptation;
    std::optional<double> frequenceAdaptation;  // MHz
};

// The colour of sweep i (0 to 7).
QColor couleur(int i);

// Where a reflection coefficient lies on a Smith chart drawn in `cadre` (the unit circle fills the
// largest centred square).
QPointF surAbaque(std::complex<double> gamma, const QRectF &cadre);

class AbaqueSmith;

class VuesMesure : public QTabWidget {
    Q_OBJECT
public:
    explicit VuesMesure(QWidget *parent = nullptr);

    // The sweeps, the one chosen (its resonance, band, impedance and Smith points), and the model.
    void montrer(const std::vector<Trace> &traces, int choisie, const Surimpressions &en_plus = {});


    QChartView *courbeRos() const { return ros_; }
    QChartView *courbeImpedance() const { return impedance_; }
    AbaqueSmith *abaque() const { return abaque_; }

signals:
    // A click on a view chose this frequency (MHz) of the chosen sweep.
    void frequenceChoisie(double mhz);

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override;

private:
    QChartView *ros_ = nullptr;
    QChartView *impedance_ = nullptr;
    AbaqueSmith *abaque_ = nullptr;
    std::vector<double> frequencesAbaque_;  // MHz of each point the Smith chart shows
};

// The Smith chart: unit circle, constant-resistance circles and constant-reactance arcs, the sweep
// as a line and its resonance as a dot, against the file's reference impedance.
class AbaqueSmith : public QWidget {
    Q_OBJECT
public:
    explicit AbaqueSmith(QWidget *parent = nullptr);
    void montrer(const std::vector<std::complex<double>> &gammas, std::optional<std::complex<double>> resonance,
                 QColor couleur);
    // The points drawn, in the widget's coordinates (for the tests).
    std::vector<QPointF> points() const;
    QSize sizeHint() const override { return {560, 240}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QRectF cadre() const;
    std::vector<std::complex<double>> gammas_;
    std::optional<std::complex<double>> resonance_;
    QColor couleur_;
};

}  // namespace vues

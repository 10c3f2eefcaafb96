// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/frmAbout.h"

#include "shell/Controles.h"
#include "shell/core/Module1.h"
#include "shell/core/constantes.h"

#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

QIcon iconeProgramme()
{
    const QString ressource = QStringLiteral(":/orvalis/orvalis.png");
    if (QFile::exists(ressource)) return QIcon(ressource);
    // A dipole on its mast, drawn when no icon file is built in.
    QPixmap p(64, 64);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0x1d, 0x4e, 0x89));
    g.setPen(Qt::NoPen);
    g.drawRoundedRect(2, 2, 60, 60, 12, 12);
    g.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(12, 22, 52, 22);
    g.drawLine(32, 22, 32, 54);
    g.setPen(QPen(QColor(0xf2, 0xb1, 0x34), 3, Qt::SolidLine, Qt::RoundCap));
    g.drawArc(20, 8, 24, 24, 30 * 16, 120 * 16);
    return QIcon(p);
}

frmAbout::frmAbout(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("frmAbout"), QStringLiteral("À propos de Orvalis"))
{
    const QString titre = QStringLiteral("Orvalis");
    const QString saut = constantes::kSautLigne;

    using namespace controles;
    QLabel *picIcon = dessin("picIcon", this);
    picIcon->setPixmap(iconeProgramme().pixmap(64, 64));
    nommerDessin(picIcon, QStringLiteral("icône d'Orvalis"));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    lblTitle_ = legende("lblTitle", QStringLiteral("Titre"), nullptr, this);
    lblVersion_ = legende("lblVersion", QStringLiteral("Version"), nullptr, this);
    lblDisclaimer_ = legende("lblDisclaimer", QString(), nullptr, this);
    lblDisclaimer_->setWordWrap(true);
    lblDisclaimer_->setMinimumWidth(420);

    QFrame *line1 = separateur("Line1", this);
    QFrame *line2 = separateur("Line2", this);

    QPushButton *cmdOK = bouton("cmdOK", QStringLiteral("OK"), this);
    connect(cmdOK, &QPushButton::clicked, this, &FenetreTravail::cacher);

    auto *grille = new QGridLayout(this);
    grille->addWidget(picIcon, 0, 0, 2, 1);
    grille->addWidget(lblTitle_, 0, 1);
    grille->addWidget(lblVersion_, 1, 1);
    grille->addWidget(line1, 2, 0, 1, 2);
    grille->addWidget(lblDisclaimer_, 3, 0, 1, 2);
    grille->addWidget(line2, 4, 0, 1, 2);
    grille->addWidget(cmdOK, 5, 1, Qt::AlignRight);
    grille->setColumnStretch(1, 1);

    // Texts set once, when the box is first loaded.
    lblVersion_->setText(QStringLiteral("Version %1.%2.%3 du 01 fevrier 2018")
                             .arg(ORVALIS_VERSION_MAJOR)
                             .arg(ORVALIS_VERSION_MINOR)
                             .arg(ORVALIS_VERSION_PATCH));
    lblTitle_->setText(titre + saut + QStringLiteral("Auteur : l'équipe du projet Orvalis") + saut +
                       QStringLiteral("Contact : par le suivi des demandes du projet Orvalis"));
    lblDisclaimer_->setText(
        QStringLiteral("Ce logiciel permet de calculer les dimensions des antennes les plus "
                       "courantes, il contient quelques boites à calculs pouvant en faciliter la "
                       "construction.") +
        saut + QStringLiteral("Avertissement: ...") + saut +
        QStringLiteral("Les calculs fait par ce simple logiciel , ne sont peut être pas "
                       "tout-à-fait exacte.") +
        saut + QStringLiteral("Vérifier la cohérence des résultats présentés."));
}


// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbox/Form6.h"

#include "shell/ChampsNumeriques.h"
#include "shell/Controles.h"
#include "toolbox/pages/PageBalun.h"
#include "toolbox/pages/PageCable.h"
#include "toolbox/pages/PageFouet.h"
#include "toolbox/pages/PageImpedance.h"
#include "toolbox/pages/PageReseau.h"
#include "toolbox/pages/PageSelf.h"
#include "toolbox/pages/PageTrappe.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

Form6::Form6(Hote &hote)
    : FenetreTravail(hote, QStringLiteral("Form6"), QStringLiteral("La boite à Calculs"))
{
    TabStrip1 = controles::creer<QTabWidget>("TabStrip1");
    TabStrip1->setElideMode(Qt::ElideNone);
    const std::pair<boite::PageCalcul *, QString> pages[] = {
        {new boite::PageFouet(*this), QStringLiteral("Antenne raccourcie")},
        {self_ = new boite::PageSelf(*this), QStringLiteral("Calcul d'une self")},
        {new boite::PageTrappe(*this), QStringLiteral("Calcul d'une trappe")},
        {new boite::PageImpedance(*this), QStringLiteral("Impédance des lignes")},
        {cable_ = new boite::PageCable(*this), QStringLiteral("Longueur des lignes")},
        {new boite::PageBalun(*this), QStringLiteral("Transformateur d'impédance")},
        {new boite::PageReseau(*this), QStringLiteral("Adaptateur d'impédances")},
    };
    champs_ = creerChamps();
    for (const auto &[page, onglet] : pages) {
        pages_.append(page);
        TabStrip1->addTab(page, onglet);
        page->declarer(*champs_);
        connect(page, &boite::PageCalcul::dessin, this, [this](const QString &nom) { chargerImage(Picture1, nom); });
    }
    connect(cable_, &boite::PageCable::choixDeCable, this, &Form6::choixDeCable);

    Picture1 = controles::dessin("Picture1");
    Picture1->setMinimumSize(320, 320);
    Picture1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Retour_Menu = boutonRetour();

    montrerImageSur(0);

    auto *fenetre = new QVBoxLayout(this);
    fenetre->setContentsMargins(4, 4, 4, 4);
    fenetre->addWidget(TabStrip1, 1);
    fenetre->addWidget(Retour_Menu, 0, Qt::AlignRight);

    connect(TabStrip1, &QTabWidget::currentChanged, this, &Form6::changerOnglet);
}

QSize Form6::sizeHint() const
{
    // Wide enough for every tab title, as far as the main window's area allows (the tabs scroll
    // in a narrower window).
    QSize h = QWidget::sizeHint();
    const QMargins m = layout()->contentsMargins();
    int largeur = TabStrip1->tabBar()->sizeHint().width() + m.left() + m.right() + 4;
    if (auto *cadre = qobject_cast<QMdiSubWindow *>(parentWidget()))
        if (QMdiArea *zone = cadre->mdiArea())
            largeur = std::min(largeur, zone->viewport()->width() - (cadre->width() - width()));
    h.setWidth(std::max(h.width(), largeur));
    return h;
}

void Form6::preparer()
{
    presenter();
    for (boite::PageCalcul *page : std::as_const(pages_)) page->preparer();
    changerOnglet(TabStrip1->currentIndex());
}

// The one picture box goes along with the page shown, to the right of its frame.
void Form6::montrerImageSur(int index)
{
    if (index < 0 || index >= pages_.size()) return;
    QHBoxLayout *ici = pages_[index]->disposition();
    if (ici->indexOf(Picture1) >= 0) return;
    for (const boite::PageCalcul *page : std::as_const(pages_)) page->disposition()->removeWidget(Picture1);
    ici->addWidget(Picture1, 1);
    Picture1->show();
}

void Form6::changerOnglet(int index)
{
    if (index < 0 || index >= pages_.size()) return;
    montrerImageSur(index);
    chargerImage(Picture1, pages_[index]->image());
    pages_[index]->montree();
}

void Form6::recevoirVelocite() { cable_->recevoirVelocite(); }

void Form6::recevoirInductance(double microhenrys)
{
    // Opened as from the menu when it is not shown: every field then holds its value.
    if (isVisible()) presenter();
    else preparer();
    TabStrip1->setCurrentIndex(pages_.indexOf(self_));
    self_->bobiner(microhenrys);
}

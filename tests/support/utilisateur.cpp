// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/utilisateur.h"

#include "shell/MDIForm1.h"
#include "shell/core/fichiers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace essai {

Donnees::Donnees()
{
    const QDir source(QStringLiteral(ORVALIS_DATA_SOURCE));
    for (const QString &f : source.entryList({"*.dat"}, QDir::Files))
        QFile::copy(source.filePath(f), dir_.filePath(f));
    // The pictures the build draws beside the program.
    const QDir programme(QStringLiteral(ORVALIS_PROGRAMME));
    for (const QString &f : programme.entryList({"*.gif", "*.bmp"}, QDir::Files))
        QFile::copy(programme.filePath(f), dir_.filePath(f));
}

void Donnees::ecrire(const QString &nom, const QStringList &lignes) const
{
    QFile::remove(fichier(nom));
    fichiers::ecrireLignes(fichier(nom), lignes);
}

void Donnees::supprimer(const QString &nom) const { QFile::remove(fichier(nom)); }

QList<Boite> repondre(const std::function<void()> &action, QList<QMessageBox::StandardButton> reponses)
{
    QList<Boite> vues;
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(w);
            if (!box || !box->isVisible()) continue;
            Boite b;
            b.titre = box->windowTitle();
            b.texte = box->text();
            b.texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            b.icone = box->icon();
            b.boutons = box->standardButtons();
            for (QAbstractButton *bouton : box->buttons()) b.libelles << bouton->text().remove(u'&');
            vues << b;
            QAbstractButton *bouton = nullptr;
            if (!reponses.isEmpty()) bouton = box->button(reponses.takeFirst());
            for (auto s : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::No})
                if (!bouton) bouton = box->button(s);
            if (!bouton && !box->buttons().isEmpty()) bouton = box->buttons().first();
            if (bouton) bouton->click();
            else box->reject();
        }
    });
    minuterie.start(5);
    action();
    QCoreApplication::processEvents();
    return vues;
}

QList<Boite> repondreFichiers(const std::function<void()> &action, QStringList fichiers,
                              QList<DialogueFichier> *dialogues, QList<QMessageBox::StandardButton> reponses)
{
    QList<DialogueFichier> vus;
    QList<QPointer<QFileDialog>> enAttente;  // answered, not yet closed
    QTimer minuterie;
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *d = qobject_cast<QFileDialog *>(w);
            if (!d || !d->isVisible() || QApplication::activeModalWidget() != d) continue;
            // Still open after its answer: the dialog did not take the file.
            if (enAttente.contains(QPointer<QFileDialog>(d))) {
                d->reject();
                continue;
            }
            QStringList textes;
            for (const QLabel *l : d->findChildren<QLabel *>())
                if (l->isVisible()) textes << l->text().remove(u'&');
            for (const QAbstractButton *b : d->findChildren<QAbstractButton *>())
                if (b->isVisible() && !b->text().isEmpty()) textes << b->text().remove(u'&');
            for (const QHeaderView *h : d->findChildren<QHeaderView *>())
                for (int i = 0; h->isVisible() && h->model() && i < h->count(); ++i)
                    textes << h->model()->headerData(i, h->orientation()).toString();
            for (const QListView *v : d->findChildren<QListView *>())  // the side bar's places
                for (int i = 0; v->isVisible() && v->model() && i < v->model()->rowCount(); ++i)
                    textes << v->model()->index(i, 0).data().toString();
            vus << DialogueFichier{d->windowTitle(), d->nameFilters(), d->selectedFiles().value(0),
                                   !d->testOption(QFileDialog::DontUseNativeDialog), textes};
            const QString fichier = fichiers.isEmpty() ? QString() : fichiers.takeFirst();
            if (fichier.isEmpty()) {
                d->reject();
                continue;
            }
            enAttente << d;
            // Closed by its answer (a dialog shown again later is a new question).
            QObject::connect(d, &QDialog::finished, d, [&enAttente, d] { enAttente.removeAll(QPointer<QFileDialog>(d)); },
                             Qt::SingleShotConnection);
            d->selectFile(fichier);
            static_cast<QDialog *>(d)->accept();  // QFileDialog's own is protected
        }
    });
    minuterie.start(5);
    const QList<Boite> boites = repondre(action, reponses);
    if (dialogues) *dialogues = vus;
    return boites;
}

QStringList textesAnglais(const QStringList &textes)
{
    // ("OK" and "Type" are French words too.)
    static const QStringList anglais{"Cancel", "Yes", "No", "Open", "Save", "Choose", "Look in:",
                                     "File name:", "Files of type:", "Computer", "Name", "Size",
                                     "Date Modified", "Kind"};
    QStringList trouves;
    for (const QString &t : textes)
        if (anglais.contains(t)) trouves << t;
    return trouves;
}

std::unique_ptr<MDIForm1> demarrer(const Donnees &donnees, QList<Boite> *boites)
{
    std::unique_ptr<MDIForm1> p;
    const QList<Boite> vues = repondre([&] { p = std::make_unique<MDIForm1>(donnees.chemin()); });
    if (boites) *boites = vues;
    p->show();
    if (!QTest::qWaitForWindowExposed(p.get())) qWarning("main window not exposed");
    return p;
}

QList<Boite> menu(MDIForm1 &principal, const QString &nom, QList<QMessageBox::StandardButton> reponses)
{
    QAction *entree = nullptr;
    for (QAction *a : principal.menuBar()->actions())
        if (a->objectName() == nom) entree = a;
    if (!entree) {
        // A test that opens a window through a missing entry must not pass on what it did not see.
        QTest::qFail(qPrintable(QStringLiteral("menu entry %1 not found").arg(nom)), __FILE__, __LINE__);
        return {};
    }
    return repondre([&] { entree->trigger(); }, reponses);
}

void cliquer(QLineEdit *champ)
{
    champ->setFocus(Qt::MouseFocusReason);
    QTest::mousePress(champ, Qt::LeftButton);
    QTest::mouseRelease(champ, Qt::LeftButton);
}

void taper(QLineEdit *champ, const QString &texte)
{
    if (champ->isReadOnly() || !champ->isEnabled()) return;  // the user cannot type there
    champ->selectAll();
    champ->insert(texte);
}

void quitter(QLineEdit *champ)
{
    // A field that holds the focus really loses it, so that no later focus change re-reads it.
    if (champ->hasFocus()) {
        champ->clearFocus();
        return;
    }
    QFocusEvent sortie(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(champ, &sortie);
}

void saisir(QLineEdit *champ, const QString &texte)
{
    cliquer(champ);
    taper(champ, texte);
    quitter(champ);
}

void choisir(QComboBox *liste, int index)
{
    liste->setCurrentIndex(index);
    emit liste->activated(index);
}

void appuyer(QAbstractButton *bouton) { bouton->click(); }

}  // namespace essai

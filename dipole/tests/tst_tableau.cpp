#include <QtTest>
class T : public QObject { Q_OBJECT private slots: void vide() { QVERIFY(true); } };
QTEST_MAIN(T)
#include "tst_tableau.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the windows load: the files beside the executable, the drawings compiled into the
// windows, the icon; and the GIF writer and palette reduction that make the GIF files.
#include <QtTest>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "shell/frmAbout.h"
#include "drawings/catalogue.h"
#include "drawings/gif.h"
#include "drawings/icone.h"
#include "drawings/trace.h"

namespace {

QByteArray debut(const QString &chemin, int n)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.read(n);
}

int couleursDistinctes(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> vues;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) vues.insert(rgb.pixel(x, y));
    return int(vues.size());
}

QImage dessinEnCouleurs()
{
    QImage image(120, 80, QImage::Format_RGB32);
    dessin::Trace t(image);
    t.fil(QPointF(5, 5), QPointF(115, 70));
    t.cote(QPointF(10, 60), QPointF(110, 60), 10, QStringLiteral("Dim A"));
    t.bobine(QPointF(10, 30), QPointF(60, 30), 4, 8);
    return image;
}

// Antialiased drawing on white plus a gradient: far more than 256 colours.
QImage dessinDegrade()
{
    QImage image = dessinEnCouleurs();
    QPainter p(&image);
    QLinearGradient degrade(0, 0, 120, 0);
    degrade.setColorAt(0, QColor(0, 255, 0));
    degrade.setColorAt(1, QColor(255, 0, 255));
    p.fillRect(0, 70, 120, 10, degrade);
    p.end();
    return image;
}

}  // namespace

class TestDessins : public QObject {
    Q_OBJECT
private slots:
    void fichiersDuProgramme_data();
    void fichiersDuProgramme();
    void dessinsDesFenetres_data();
    void dessinsDesFenetres();
    void iconeDuProgramme();
    void iconeSvg();
    void catalogueComplet();
    void gifRelu();
    void gifRefuseSansPalette();
    void gifDansUnRepertoireAbsent();
    void paletteExacteSiPeuDeCouleurs();
    void paletteProcheSinon();
    void paletteIndependanteDuHachage();
};

void TestDessins::fichiersDuProgramme_data()
{
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("taille");
    for (const char *n : {"Ground-Plane.gif", "Doublet.gif", "Windom.gif", "G5rv.gif", "W3HH.gif",
                          "Filaire.gif", "Loop.gif", "Bazooka.gif", "Levy.gif", "Quad.gif",
                          "Delta-Loop.gif", "Yagi.gif"})
        QTest::newRow(n) << QString::fromLatin1(n) << QByteArray("gif") << QSize(640, 480);
    for (const char *n : {"Antenne-raccourcie-6.bmp", "Self-Nagaoka-6.bmp", "Trappe-6.bmp",
                          "Impedance-ligne-6.bmp", "Longueur-ligne-6.bmp",
                          "Transformateur-impedance-6.bmp", "Filtre-LSerie-6.bmp",
                          "Filtre-LSerieParal-6.bmp", "Filtre-PI-6.bmp"})
        QTest::newRow(n) << QString::fromLatin1(n) << QByteArray("bmp") << QSize(400, 300);
}

void TestDessins::fichiersDuProgramme()
{
    QFETCH(QString, nom);
    QFETCH(QByteArray, format);
    QFETCH(QSize, taille);
    const QString chemin = QDir(QStringLiteral(ORVALIS_PROGRAM_DIR)).filePath(nom);
    QVERIFY2(QFileInfo(chemin).isFile(), qPrintable(chemin));

    const QByteArray entete = debut(chemin, 6);
    if (format == "gif") {
        QVERIFY(entete == "GIF89a" || entete == "GIF87a");
    } else {
        QCOMPARE(entete.left(2), QByteArray("BM"));
        // The header's file size is the real one.
        const QByteArray t = debut(chemin, 6).mid(2, 4);
        const quint32 declare = quint32(uchar(t[0])) | quint32(uchar(t[1])) << 8 |
                                quint32(uchar(t[2])) << 16 | quint32(uchar(t[3])) << 24;
        QCOMPARE(qint64(declare), QFileInfo(chemin).size());
    }

    QImageReader lecteur(chemin);
    QCOMPARE(lecteur.format(), format);
    const QImage image = lecteur.read();
    QVERIFY2(!image.isNull(), qPrintable(lecteur.errorString()));
    QCOMPARE(image.size(), taille);
    // A drawing, not an empty page: ink, wires, dimension lines and their blends.
    QVERIFY(couleursDistinctes(image) >= 8);
}

void TestDessins::dessinsDesFenetres_data()
{
    QTest::addColumn<QString>("ressource");
    QTest::addColumn<QSize>("taille");
    QTest::newRow("Form1") << QStringLiteral(":/dessins/Form1.png") << QSize(640, 480);
    QTest::newRow("Form8 dipôle") << QStringLiteral(":/dessins/Form8-dipole.png") << QSize(460, 210);
    QTest::newRow("Form8 quart d'onde")
        << QStringLiteral(":/dessins/Form8-quart-onde.png") << QSize(240, 300);
    QTest::newRow("Form11") << QStringLiteral(":/dessins/Form11.png") << QSize(360, 276);
    QTest::newRow("icône") << QStringLiteral(":/orvalis/orvalis.png") << QSize(256, 256);
}

void TestDessins::dessinsDesFenetres()
{
    QFETCH(QString, ressource);
    QFETCH(QSize, taille);
    QVERIFY2(QFile::exists(ressource), qPrintable(ressource));
    const QImage image(ressource);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), taille);
    QVERIFY(couleursDistinctes(image) >= 8);
}

void TestDessins::iconeDuProgramme()
{
    // The shell takes the compiled icon rather than its own fallback drawing.
    const QIcon icone = iconeProgramme();
    QVERIFY(icone.availableSizes().contains(QSize(256, 256)));
    const QImage petite = icone.pixmap(32, 32).toImage();
    QCOMPARE(petite.size(), QSize(32, 32));
    // Transparent corners, opaque middle.
    QCOMPARE(qAlpha(petite.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(petite.pixel(16, 16)), 255);
}

void TestDessins::iconeSvg()
{
    QFile f(QStringLiteral(ORVALIS_ICONE_SVG));
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName()));
    QXmlStreamReader xml(&f);
    QStringList elements;
    QString viewBox;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        elements << xml.name().toString();
        if (xml.name() == u"svg") viewBox = xml.attributes().value(QStringLiteral("viewBox")).toString();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(elements.value(0), QStringLiteral("svg"));
    QCOMPARE(viewBox, QStringLiteral("0 0 64 64"));
    for (const char *e : {"rect", "line", "path", "circle"})
        QVERIFY2(elements.contains(QLatin1String(e)), e);
    // The same description makes the bitmap and the document.
    QCOMPARE(dessin::iconeSvg().toUtf8(), (f.seek(0), f.readAll()));
}

void TestDessins::catalogueComplet()
{
    QSet<QString> noms;
    int gif = 0, bmp = 0, png = 0;
    for (const dessin::Dessin &d : dessin::tous()) {
        QVERIFY2(!noms.contains(d.fichier), qPrintable(d.fichier));
        noms.insert(d.fichier);
        const QString s = QFileInfo(d.fichier).suffix();
        gif += s == u"gif";
        bmp += s == u"bmp";
        png += s == u"png";
    }
    QCOMPARE(gif, 12);
    QCOMPARE(bmp, 9);
    QCOMPARE(png, 4);
}

void TestDessins::gifRelu()
{
    QImage source(37, 23, QImage::Format_Indexed8);
    source.setColorTable({qRgb(255, 255, 255), qRgb(31, 78, 140), qRgb(176, 32, 32),
                          qRgb(30, 30, 30), qRgb(226, 132, 0)});
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) source.setPixel(x, y, uint((x * 3 + y) % 5));
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("essai.gif"));
    QString erreur;
    QVERIFY2(dessin::ecrireGif(source, chemin, &erreur), qPrintable(erreur));
    QCOMPARE(debut(chemin, 6), QByteArray("GIF89a"));
    const QImage relue(chemin);
    QCOMPARE(relue.size(), source.size());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            QCOMPARE(relue.pixel(x, y) | 0xff000000u, source.pixel(x, y) | 0xff000000u);
    // Created with the same rights as any other file, so others may read it once installed.
    QFile temoin(dir.filePath(QStringLiteral("temoin")));
    QVERIFY(temoin.open(QIODevice::WriteOnly));
    temoin.close();
    QCOMPARE(QFileInfo(chemin).permissions(), QFileInfo(temoin.fileName()).permissions());
}

void TestDessins::gifRefuseSansPalette()
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("rgb.gif"));
    QString erreur;
    QImage rgb(8, 8, QImage::Format_RGB32);
    rgb.fill(Qt::white);
    QVERIFY(!dessin::ecrireGif(rgb, chemin, &erreur));
    QVERIFY(erreur.contains(chemin));
    QVERIFY(!QFile::exists(chemin));
}

void TestDessins::gifDansUnRepertoireAbsent()
{
    QTemporaryDir dir;
    const QString chemin = dir.filePath(QStringLiteral("absent/essai.gif"));
    QImage source(4, 4, QImage::Format_Indexed8);
    source.setColorTable({qRgb(0, 0, 0)});
    source.fill(0);
    QString erreur;
    QVERIFY(!dessin::ecrireGif(source, chemin, &erreur));
    QVERIFY(!erreur.isEmpty());
    QVERIFY(!QFile::exists(chemin));
}

void TestDessins::paletteExacteSiPeuDeCouleurs()
{
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, 10, 30, QColor(31, 78, 140));
    p.fillRect(10, 0, 10, 30, QColor(176, 32, 32));
    p.end();
    const QImage palette = dessin::enPalette(image, {}, Qt::white);
    QCOMPARE(palette.format(), QImage::Format_Indexed8);
    QCOMPARE(palette.colorCount(), 3);
    QCOMPARE(palette.convertToFormat(QImage::Format_RGB32), image);
}

void TestDessins::paletteProcheSinon()
{
    const QImage image = dessinDegrade();
    QVERIFY(couleursDistinctes(image) > 256);
    const QImage palette = dessin::enPalette(image, dessin::style::couleurs(), dessin::style::fond);
    QVERIFY(palette.colorCount() <= 256);
    const QImage rendue = palette.convertToFormat(QImage::Format_RGB32);
    int pire = 0;
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y), b = rendue.pixel(x, y);
            pire = std::max({pire, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b))});
        }
    // The drawing's own colours and their blends with the background come out nearly unchanged.
    QVERIFY2(pire <= 24, qPrintable(QString::number(pire)));
    // The background stays exactly white.
    QCOMPARE(rendue.pixel(0, 0), dessin::style::fond.rgb());
}

void TestDessins::paletteIndependanteDuHachage()
{
    // The same drawing gives the same file on every run: the palette does not follow the order
    // of a hash table, whose seed changes from one process to the next.
    const QImage image = dessinDegrade();
    QHashSeed::setDeterministicGlobalSeed();
    const QImage reference = dessin::enPalette(image, dessin::style::couleurs(), dessin::style::fond);
    for (int essai = 0; essai < 5; ++essai) {
        QHashSeed::resetRandomGlobalSeed();
        const QImage palette = dessin::enPalette(image, dessin::style::couleurs(), dessin::style::fond);
        QCOMPARE(palette.colorTable(), reference.colorTable());
        QCOMPARE(palette, reference);
    }
}

QTEST_MAIN(TestDessins)
#include "tst_dessins.moc"

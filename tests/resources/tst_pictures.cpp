#include "support/TestSupport.h"

#include <QImage>

namespace {

struct Family {
    const char* name;   // a "%1" stands for the state suffix
    QSize size;
    QStringList states; // empty: a single picture
};

const QStringList kThree{"1", "2", "3"};
const QStringList kFour{"1", "2", "3", "4"};
const QStringList kSingle{""};

// Every picture the interface names, with its size. The sizes of the
// windows, feature cards, dialog buttons and title controls are fixed;
// the others are chosen to fit the positions of their pages.
const QList<Family>& families()
{
    static const QList<Family> all{
        {"main", {860, 580}, kSingle},
        {"page1", {858, 472}, kSingle},
        {"page2", {858, 472}, kSingle},
        {"page3", {858, 472}, kSingle},
        {"page4", {854, 470}, kSingle},
        {"page5", {858, 472}, kSingle},
        {"commdialogbg", {420, 188}, kSingle},
        {"format_usb", {420, 188}, kSingle},
        {"about_us", {595, 356}, kSingle},
        {"select_files_extract", {400, 300}, kSingle},
        {"insert_usb", {400, 300}, kSingle},
        {"insufficient_space", {400, 300}, kSingle},
        {"burn-fails", {400, 300}, kSingle},
        {"osxclose%1", {12, 12}, kFour},
        {"osxmin%1", {12, 12}, kFour},
        {"help_%1", {46, 46}, kThree},
        {"mburn%1", {518, 220}, kThree},
        {"Extract%1", {249, 220}, kThree},
        {"Copy-Disc%1", {249, 219}, kThree},
        {"Create%1", {252, 219}, kThree},
        {"Edit%1", {252, 219}, kThree},
        {"loadiso%1", {100, 30}, kThree},
        {"Back%1", {100, 34}, kThree},
        {"backwhite%1", {100, 34}, kThree},
        {"btnextract%1", {110, 34}, kThree},
        {"addfile%1", {100, 30}, kThree},
        {"adddir%1", {96, 30}, kThree},
        {"Remove%1", {96, 30}, kThree},
        {"Create-IOS%1", {110, 34}, kThree},
        {"Add%1", {80, 28}, kThree},
        {"Export%1", {80, 28}, kThree},
        {"Rename%1", {80, 28}, kThree},
        {"Delete%1", {80, 28}, kThree},
        {"New%1", {80, 28}, kThree},
        {"save%1", {100, 34}, kThree},
        {"burn%1", {110, 34}, kThree},
        {"start%1", {110, 34}, kThree},
        {"Broswe%1", {84, 23}, kThree},
        {"filedialog%1", {32, 28}, kThree},
        {"refresh%1", {32, 26}, kThree},
        {"OK%1", {91, 21}, kThree},
        {"NO_%1", {91, 21}, kThree},
        {"OK_%1", {100, 30}, kThree},
        {"Open-Folder%1", {91, 21}, kThree},
        {"Stop%1", {91, 21}, kFour},
        {"choiceOK%1", {118, 21}, kThree},
        {"choiceNO%1", {118, 21}, kThree},
        {"zoom", {13, 13}, kSingle},
        {"rchecked", {16, 16}, kSingle},
        {"runchecked", {16, 16}, kSingle},
    };
    return all;
}

QString path(const Family& family, const QString& state)
{
    const QString name = QString::fromLatin1(family.name);
    return ":/nwu/" + (name.contains("%1") ? name.arg(state) : name);
}

bool fullyOpaque(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}

// Share of pixels that differ between two pictures of one size.
double differingShare(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x)
            if (left.pixel(x, y) != right.pixel(x, y))
                ++differing;
    return double(differing) / (left.width() * left.height());
}

QRgb colourAt(const QString& picture, int x, int y)
{
    return QImage(picture).convertToFormat(QImage::Format_ARGB32).pixel(x, y);
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void everyNamedPictureLoadsAtItsSize_data();
    void everyNamedPictureLoadsAtItsSize();
    void statesOfAFamilyAreVisiblyDistinct();
    void windowBackgroundsAreOpaque();
    void mainWindowHasItsTitleBand();
    void pressedCardsAreDarkForWhiteCaptions();
    void pageWidgetAreasAreClean();
};

void TestPictures::everyNamedPictureLoadsAtItsSize_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    for (const Family& family : families())
        for (const QString& state : family.states)
            QTest::newRow(qPrintable(path(family, state))) << path(family, state) << family.size;
}

void TestPictures::everyNamedPictureLoadsAtItsSize()
{
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    const QImage image(picture);
    QVERIFY2(!image.isNull(), qPrintable(picture));
    QCOMPARE(image.size(), size);
}

void TestPictures::statesOfAFamilyAreVisiblyDistinct()
{
    for (const Family& family : families()) {
        for (int i = 0; i < family.states.size(); ++i) {
            for (int j = i + 1; j < family.states.size(); ++j) {
                const QImage a(path(family, family.states[i]));
                const QImage b(path(family, family.states[j]));
                // The title controls show their glyph on hover, a small part
                // of the picture; everything else changes its face.
                QVERIFY2(differingShare(a, b) > 0.05,
                         qPrintable(path(family, family.states[i]) + " vs " + path(family, family.states[j])));
            }
        }
    }
}

void TestPictures::windowBackgroundsAreOpaque()
{
    // Top-level windows without a compositor show transparent pixels black.
    const QStringList backgrounds{"main", "commdialogbg", "format_usb", "about_us", "select_files_extract",
                                  "insert_usb", "insufficient_space", "burn-fails", "page1", "page2",
                                  "page3", "page4", "page5"};
    for (const QString& name : backgrounds)
        QVERIFY2(fullyOpaque(QImage(":/nwu/" + name)), qPrintable(name));
}

void TestPictures::mainWindowHasItsTitleBand()
{
    const QColor band(colourAt(":/nwu/main", 300, 100));
    const QColor body(colourAt(":/nwu/main", 300, 108));
    QVERIFY(band.green() > band.red() + 40);
    QCOMPARE(body, QColor(Qt::white));
    // The menu glyph sits inside the invisible menu area (775, 16) 28 x 13.
    QCOMPARE(QColor(colourAt(":/nwu/main", 789, 22)).lightness(), 255);
}

void TestPictures::pressedCardsAreDarkForWhiteCaptions()
{
    // The caption is drawn white on the pressed card, black on the others.
    for (const QString& card : QStringList{"mburn", "Extract", "Create", "Edit", "Copy-Disc"}) {
        const QPoint caption(40, 130);
        QVERIFY2(QColor(colourAt(":/nwu/" + card + "3", caption.x(), caption.y())).lightness() < 140,
                 qPrintable(card));
        QVERIFY2(QColor(colourAt(":/nwu/" + card + "1", caption.x(), caption.y())).lightness() > 200,
                 qPrintable(card));
    }
}

void TestPictures::pageWidgetAreasAreClean()
{
    // The tables and trees sit on one plain colour: nothing is drawn where
    // they go (areas in page coordinates).
    const QList<QPair<QString, QRect>> areas{
        {"page2", QRect(39, 54, 771, 350)}, {"page3", QRect(39, 48, 789, 347)},
        {"page4", QRect(11, 58, 837, 338)}, {"page5", QRect(44, 147, 476, 26)},
        {"page5", QRect(44, 334, 476, 28)}, {"page1", QRect(219, 26, 306, 23)},
        {"page1", QRect(219, 222, 371, 23)}};
    for (const auto& area : areas) {
        const QImage image = QImage(":/nwu/" + area.first).convertToFormat(QImage::Format_ARGB32);
        const QRgb plain = image.pixel(area.second.topLeft());
        for (int y = area.second.top(); y <= area.second.bottom(); ++y)
            for (int x = area.second.left(); x <= area.second.right(); ++x)
                if (image.pixel(x, y) != plain)
                    QFAIL(qPrintable(QString("%1 has drawing at (%2, %3)").arg(area.first).arg(x).arg(y)));
    }
}

QUILLMERE_TEST_MAIN(TestPictures)
#include "tst_pictures.moc"

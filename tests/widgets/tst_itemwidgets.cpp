#include "support/TestSupport.h"

#include "widgets/CMyTreeWidget.h"
#include "widgets/ColumnFit.h"
#include "widgets/NoFocusDelegate.h"
#include "widgets/SCheckBoxHeaderView.h"

#include <QPainter>
#include <QStandardItemModel>
#include <QTableWidget>

class TestItemWidgets : public QObject
{
    Q_OBJECT
private slots:
    void headerTogglesInItsCheckSection_data();
    void headerTogglesInItsCheckSection();
    void headerDrawsTheBoxState();
    void nameColumnTakesTheRoomOthersSpare_data();
    void nameColumnTakesTheRoomOthersSpare();
    void treeClickInEmptySpaceClearsSelection();
    void delegateDrawsNoFocusFrame();
};

namespace {

struct TableWithHeader {
    QTableWidget table{3, 3};
    SCheckBoxHeaderView* header = nullptr;
    TableWithHeader()
    {
        header = new SCheckBoxHeaderView(0, Qt::Horizontal, &table);
        table.setHorizontalHeader(header);
        table.setHorizontalHeaderLabels({"Name", "Size", "Type"});
        header->resizeSection(0, 120);
        table.resize(400, 200);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
    }
    void pressAt(int x)
    {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
    }
};

} // namespace

void TestItemWidgets::headerTogglesInItsCheckSection_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<bool>("toggles");
    // The box is drawn from x 2 to 23 of the 120-pixel first section.
    QTest::newRow("on the box's left edge") << 3 << true;
    QTest::newRow("in the box") << 12 << true;
    QTest::newRow("on the box's right edge") << 22 << true;
    QTest::newRow("just right of the box") << 27 << true;
    QTest::newRow("on the column title") << 60 << true;
    QTest::newRow("the next section") << 200 << false;
}

void TestItemWidgets::headerTogglesInItsCheckSection()
{
    QFETCH(int, x);
    QFETCH(bool, toggles);
    TableWithHeader t;
    QSignalSpy changes(t.header, &SCheckBoxHeaderView::checkStausChange);
    t.pressAt(x);
    QCOMPARE(changes.count(), toggles ? 1 : 0);
    QCOMPARE(t.header->isChecked(), toggles);
    if (!toggles)
        return;
    QCOMPARE(changes.last().first().toBool(), true);
    t.pressAt(x);
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.last().first().toBool(), false);
    QVERIFY(!t.header->isChecked());
}

void TestItemWidgets::nameColumnTakesTheRoomOthersSpare_data()
{
    QTest::addColumn<QList<int>>("wanted");
    QTest::addColumn<QList<int>>("widths");
    // 656 pixels shared by four columns: 164 each.
    QTest::newRow("names fit") << QList<int>{120, 60, 80, 150} << QList<int>{164, 164, 164, 164};
    QTest::newRow("from the size column") << QList<int>{200, 60, 80, 150} << QList<int>{200, 128, 164, 164};
    QTest::newRow("from size and type") << QList<int>{300, 60, 80, 150} << QList<int>{300, 60, 132, 164};
    QTest::newRow("every spare pixel, then cut") << QList<int>{600, 60, 80, 150}
                                                 << QList<int>{366, 60, 80, 150};
    QTest::newRow("others need all their room") << QList<int>{300, 170, 200, 164}
                                                << QList<int>{164, 164, 164, 164};
}

void TestItemWidgets::nameColumnTakesTheRoomOthersSpare()
{
    QFETCH(QList<int>, wanted);
    QFETCH(QList<int>, widths);
    QCOMPARE(ColumnFit::widths(656, wanted), widths);
}

void TestItemWidgets::headerDrawsTheBoxState()
{
    TableWithHeader t;
    const int side = t.header->height();
    const QImage unticked = t.header->grab(QRect(0, 0, side, side)).toImage();
    const QImage otherSection = t.header->grab(QRect(130, 0, 60, side)).toImage();
    t.pressAt(60);
    QCoreApplication::processEvents();
    const QImage ticked = t.header->grab(QRect(0, 0, side, side)).toImage();
    QVERIFY(ticked != unticked);
    QCOMPARE(t.header->grab(QRect(130, 0, 60, side)).toImage(), otherSection);
}

void TestItemWidgets::treeClickInEmptySpaceClearsSelection()
{
    CMyTreeWidget tree;
    tree.setHeaderLabels({"Folder"});
    for (const char* name : {"boot", "efi", "sources"})
        new QTreeWidgetItem(&tree, QStringList{name});
    tree.resize(300, 300);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    const QRect second = tree.visualItemRect(tree.topLevelItem(1));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QCOMPARE(tree.selectedItems(), QList<QTreeWidgetItem*>{tree.topLevelItem(1)});
    const QRect last = tree.visualItemRect(tree.topLevelItem(2));
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(10, last.bottom() + 40));
    QVERIFY(tree.selectedItems().isEmpty());
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QCOMPARE(tree.selectedItems().size(), 1);
}

void TestItemWidgets::delegateDrawsNoFocusFrame()
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), "disc.iso");
    QWidget host;
    auto render = [&](const QStyledItemDelegate& delegate, QStyle::State state) {
        QImage image(120, 24, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.initFrom(&host);
        option.rect = image.rect();
        option.state = state | QStyle::State_Enabled;
        delegate.paint(&painter, option, model.index(0, 0));
        return image;
    };
    NoFocusDelegate noFocus;
    QStyledItemDelegate plain;
    for (QStyle::State selection : {QStyle::State(QStyle::State_None), QStyle::State(QStyle::State_Selected)}) {
        const QImage focused = render(noFocus, selection | QStyle::State_HasFocus);
        QCOMPARE(focused, render(noFocus, selection));
        QCOMPARE(focused, render(plain, selection));
    }
    QVERIFY(render(noFocus, QStyle::State_Selected) != render(noFocus, QStyle::State_None));
    QVERIFY(render(plain, QStyle::State_HasFocus) != render(plain, QStyle::State_None));
}

QUILLMERE_TEST_MAIN(TestItemWidgets)
#include "tst_itemwidgets.moc"

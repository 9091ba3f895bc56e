// Every caption button family drawn by the real control in its normal,
// hover and pressed state (and disabled where it has a picture for it),
// each with the caption text style that suits its pictures.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "widgets/CImageButton.h"

#include <QLabel>
#include <QPainter>

namespace {

struct ButtonFamily {
    const char* picture; // ":/nwu/" name without the state number
    const char* caption;
    int style;
    bool hasDisabled;
};

// White captions (styles 3 and 10) on the filled faces, the green caption
// that turns white on hover (style 6) on the outlined Back.
const ButtonFamily kFamilies[] = {
    {"loadiso", "Load ISO", 3, false},     {"btnextract", "Extract", 3, false},
    {"Create-IOS", "Create ISO", 3, false}, {"save", "Save", 3, false},
    {"burn", "Burn", 3, false},             {"start", "Start", 3, false},
    {"Back", "Back", 3, false},             {"backwhite", "Back", 6, false},
    {"addfile", "Add Files...", 10, false}, {"adddir", "Add Folder...", 10, false},
    {"Remove", "Remove", 10, false},        {"Add", "Add", 10, false},
    {"Export", "Export", 10, false},        {"Rename", "Rename", 10, false},
    {"Delete", "Delete", 10, false},        {"New", "New", 10, false},
    {"Broswe", "Browse", 10, false},        {"filedialog", "", 0, false},
    {"refresh", "", 0, false},              {"OK", "OK", 10, false},
    {"NO_", "NO", 10, false},               {"Open-Folder", "Open Folder", 10, false},
    {"Stop", "Stop", 10, true},             {"OK_", "OK", 3, false},
};

QString state(const ButtonFamily& family, int number)
{
    return QString(":/nwu/%1%2").arg(family.picture).arg(number);
}

// The control's own drawing of each state, left to right.
QList<QImage> drawStates(ScreenshotContext& shots, QWidget& sheet, const ButtonFamily& family)
{
    CImageButton button(&sheet);
    button.SetBackGround(state(family, 1), state(family, 2), state(family, 3),
                         family.hasDisabled ? state(family, 4) : QString(), family.caption, QString(),
                         family.style);
    button.move(20, 20);
    button.show();
    QList<QImage> images;
    shots.settle();
    images << button.grab().toImage();
    shots.pointAt(button);
    images << button.grab().toImage();
    shots.pressOn(button);
    images << button.grab().toImage();
    shots.releaseAway();
    if (family.hasDisabled) {
        button.setEnabled(false);
        images << button.grab().toImage();
    }
    return images;
}

} // namespace

QUILLMERE_SCREENSHOT(buttons, 90)
{
    QWidget sheet;
    sheet.setFixedSize(300, 120);
    sheet.move(0, 0);
    sheet.show();
    const int rowHeight = 44;
    const int columnWidth = 130;
    const int families = int(sizeof(kFamilies) / sizeof(kFamilies[0]));
    const int rows = (families + 1) / 2;
    QImage page(2 * (150 + 4 * columnWidth), rows * rowHeight + 20, QImage::Format_ARGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(96, 96, 96));
    for (int i = 0; i < families; ++i) {
        const ButtonFamily& family = kFamilies[i];
        const int x = (i % 2) * (150 + 4 * columnWidth) + 10;
        const int y = (i / 2) * rowHeight + 14;
        painter.drawText(QRect(x, y, 140, 34), Qt::AlignVCenter,
                         QString("%1  (style %2)").arg(family.picture).arg(family.style));
        const QList<QImage> images = drawStates(shots, sheet, family);
        for (int s = 0; s < images.size(); ++s)
            painter.drawImage(x + 140 + s * columnWidth, y + (34 - images[s].height()) / 2, images[s]);
    }
    painter.end();
    const QString file = "buttons";
    QLabel holder;
    holder.setPixmap(QPixmap::fromImage(page));
    holder.resize(page.size());
    shots.save(holder, file);
}

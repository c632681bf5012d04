// Every widget kind in its looks, with texts of the current language.
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPalette>
#include <vector>

#include "auto_controls.h"
#include "bitmap_button.h"
#include "breakdown_static.h"
#include "com_font.h"
#include "com_str.h"
#include "gallery.h"
#include "gdip_button.h"
#include "image_catalog.h"
#include "smart_fun_id_data.h"
#include "xp_button.h"

using namespace vexo;

namespace gallery {

namespace {

// A plain page background, as the pages have.
struct Sheet : QWidget {
    Sheet(int width, int height) {
        resize(width, height);
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, QColor(0xFA, 0xFB, 0xFD));
        setPalette(palette);
    }
};

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int width = 150) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 20);
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #6B7785"));
    return label;
}

void Hover(QWidget* widget) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(widget, &enter);
}

CXPButton* XpButton(QWidget* parent, int normal, int selected, const QString& text,
                    const QFont& font, const QRect& place) {
    auto* button = new CXPButton(parent);
    button->SetImages(ImageById(normal), ImageById(selected));
    button->setText(text);
    button->setFont(font);
    button->setGeometry(place);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// One row per image pair: normal, selected, hovered and disabled looks.
int SaveTextButtons(const QString& folder) {
    const CComStr& t = TheComStr();
    const QFont first = ModuleFirstFont();
    const QFont header = CComFont(kHeaderFont);
    struct Row {
        int normal, selected;
        QString text;
        QFont font;
        int dx;
    };
    const std::vector<Row> rows = {
        {541, 542, t->advanceParam, first, 0},
        {542, 541, t->exportConfig, header, 0},
        {539, 540, t->sceneTourSet, first, 0},
        {260, 261, t->sceneSet, first, 0},
        // The header puts texts longer than 10 characters on the wide pair.
        {677, 678, t->normalArming.size() > 10 ? t->sceneSet : t->normalArming, header, 0},
        {686, 687, t->smartFunction, header, 0},
        {249, 250, t->smartSwitch, first, 10},
        {238, 239, t->paramSet, first, 0},
        {545, 544, t->save, ModuleSecondFont(), 0},
        {246, 246, t->add, first, 0},
        {229, 229, t->help, first, 12},
        {676, 676, t->addScene, first, 12},
        {232, 232, t->returnBack, first, 12},
    };
    const int columnX[] = {90, 260, 430, 600};
    Sheet sheet(780, 30 + static_cast<int>(rows.size()) * 58);
    const char* heads[] = {"normal", "selected", "hover", "disabled"};
    for (int c = 0; c < 4; ++c) {
        Caption(&sheet, QString::fromLatin1(heads[c]), columnX[c], 6);
    }
    int y = 30;
    for (const Row& row : rows) {
        const QSize size = ImageSizeById(row.normal);
        Caption(&sheet, QStringLiteral("%1 / %2").arg(row.normal).arg(row.selected), 10,
                y + size.height() / 2 - 10, 80);
        for (int c = 0; c < 4; ++c) {
            CXPButton* b = XpButton(&sheet, row.normal, row.selected, row.text, row.font,
                                    QRect(QPoint(columnX[c], y), size));
            b->SetTextOffset(row.dx, 0);
            b->SetSelected(c == 1 ? 1 : 0);
            if (c == 2) {
                Hover(b);
            }
            b->setEnabled(c != 3);
        }
        y += std::max(size.height(), 30) + 22;
    }
    return Save(sheet, folder, "widgets-text-buttons") ? 0 : 1;
}

// The PTZ pad (one wedge pressed, one hovered), lens rows, presets, pages,
// play/stop and the scene tile buttons.
int SavePtzAndSmallButtons(const QString& folder) {
    const CComStr& t = TheComStr();
    Sheet sheet(640, 400);
    Caption(&sheet, QStringLiteral("PTZ pad 700-727"), 20, 8);
    for (int i = 0; i < 8; ++i) {
        auto* wedge = new CGdipButton(&sheet);
        wedge->setGeometry(20, 30, 160, 160);
        wedge->SetImages(RasterImageById(700 + i), {}, RasterImageById(710 + i));
        wedge->SetMask(RasterImageById(720 + i), qRgb(255, 0, 255));
        if (i == 2) {
            wedge->setDown(true);
        }
    }
    const struct {
        QString label;
        int minus, plus;
    } lens[] = {{t->aperture, 662, 664}, {t->focus, 666, 668}, {t->zoom, 670, 672}};
    int y = 40;
    for (const auto& row : lens) {
        XpButton(&sheet, row.minus, row.minus + 1, {}, {}, QRect(220, y, 30, 30));
        auto* label = new CBreakDownStatic(&sheet);
        label->setText(row.label);
        label->setFont(ModuleFirstFont());
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(255, y, 90, 30);
        auto* plus = XpButton(&sheet, row.plus, row.plus + 1, {}, {}, QRect(350, y, 30, 30));
        plus->SetClickMode(CXPButton::kShowSelectedWhileHeld);
        if (row.minus == 666) {
            plus->setDown(true);
        }
        y += 44;
    }
    auto* preset = new CBreakDownStatic(&sheet);
    preset->setText(t->preset);
    preset->setFont(ModuleFirstFont());
    preset->setGeometry(220, y, 100, 30);
    XpButton(&sheet, 658, 660, {}, {}, QRect(350, y, 30, 30));

    Caption(&sheet, QStringLiteral("pages 218-225, 460/461"), 420, 8);
    const int pages[][2] = {{218, 219}, {220, 221}, {222, 223}, {224, 225}, {460, 461}};
    for (int p = 0; p < 5; ++p) {
        auto* page =
            XpButton(&sheet, pages[p][0], pages[p][1], {}, {}, QRect(420 + p * 36, 30, 28, 28));
        page->SetSelected(p == 0 ? 0 : 1);
    }
    Caption(&sheet, QStringLiteral("play / stop 645-648"), 420, 70);
    XpButton(&sheet, 645, 646, {}, {}, QRect(420, 92, 48, 28));
    auto* stop = XpButton(&sheet, 647, 648, {}, {}, QRect(476, 92, 48, 28));
    stop->SetSelected(1);
    Caption(&sheet, QStringLiteral("tile 226/237, 696, 265"), 420, 132);
    XpButton(&sheet, 226, 237, {}, {}, QRect(420, 154, 30, 30));
    auto* notCurrent = XpButton(&sheet, 226, 237, {}, {}, QRect(458, 154, 30, 30));
    notCurrent->SetSelected(1);
    XpButton(&sheet, 696, 696, {}, {}, QRect(496, 154, 30, 30));
    XpButton(&sheet, 265, 265, {}, {}, QRect(534, 156, 26, 26));

    Caption(&sheet, QStringLiteral("drawing tools 552-575, 688/689"), 20, 212, 300);
    const char* looks[] = {"normal", "pressed", "focused", "disabled"};
    const int tools[][4] = {{552, 568, 569, 555},
                            {560, 572, 573, 563},
                            {556, 570, 571, 559},
                            {564, 574, 575, 567},
                            {688, 689, 689, 688}};
    for (int look = 0; look < 4; ++look) {
        Caption(&sheet, QString::fromLatin1(looks[look]), 20, 236 + look * 40, 70);
        for (int k = 0; k < 5; ++k) {
            auto* tool = new CBitmapButton(&sheet);
            tool->SetImages(ImageById(tools[k][0]), ImageById(tools[k][1]), ImageById(tools[k][2]),
                            ImageById(tools[k][3]));
            tool->setGeometry(90 + k * 40, 232 + look * 40, 32, 32);
            tool->setFocusPolicy(Qt::NoFocus);
            tool->setDown(look == 1);
            tool->setEnabled(look != 3);
            if (look == 2) {
                // The focused look without taking the keyboard focus.
                tool->SetImages(ImageById(tools[k][2]), {}, {}, {});
            }
        }
    }
    return Save(sheet, folder, "widgets-ptz-and-small-buttons") ? 0 : 1;
}

// Every function picture, normal above selected, with the unknown one last.
int SaveFunctionIcons(const QString& folder) {
    const QStringList events = TheComStr().EventNames();
    QStringList names;
    for (const QString& name : events) {
        if (!name.isEmpty() && name != QStringLiteral("zelk:PTZ_Tracking_Settings")) {
            names.append(name);
        }
    }
    names.append(QStringLiteral("zelk:Unknown_Function"));
    const int columns = 9;
    const int rows = (static_cast<int>(names.size()) + columns - 1) / columns;
    Sheet sheet(columns * 84 + 20, rows * 150 + 20);
    for (int i = 0; i < names.size(); ++i) {
        const int x = 20 + (i % columns) * 84;
        const int y = 14 + (i / columns) * 150;
        const FunctionImages images = FunctionImagesByName(names.at(i));
        XpButton(&sheet, images.normal, images.selected, {}, {}, QRect(x + 8, y, 48, 48));
        auto* selected =
            XpButton(&sheet, images.normal, images.selected, {}, {}, QRect(x + 8, y + 54, 48, 48));
        selected->SetSelected(1);
        QString shortName = names.at(i).mid(5);
        shortName.replace(QStringLiteral("_Event"), QString());
        shortName.replace(QStringLiteral("_Detection"), QString());
        shortName.replace(QStringLiteral("_Error"), QString());
        shortName.replace(QLatin1Char('_'), QLatin1Char(' '));
        QLabel* label = Caption(&sheet, shortName, x - 6, y + 106, 80);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(x - 6, y + 106, 78, 34);
    }
    return Save(sheet, folder, "widgets-function-icons") ? 0 : 1;
}

// A scene tile as the index page composes it, and the idle video pane.
int SaveTileAndVideo(const QString& folder) {
    const CComStr& t = TheComStr();
    Sheet sheet(860, 420);
    auto* tile = new CBreakDownStatic(&sheet);
    tile->SetBackground(ImageById(655));
    tile->setGeometry(20, 20, 321, 236);
    auto* name = new CBreakDownStatic(tile);
    name->setText(t->scene + QStringLiteral(" 1"));
    name->setFont(CComFont(kIndexPartFont));
    name->SetTextColor(QColor(0x17, 0x45, 0x7A));
    name->setGeometry(16, 8, 180, 30);
    XpButton(tile, 226, 237, {}, {}, QRect(206, 6, 30, 30));
    XpButton(tile, 696, 696, {}, {}, QRect(242, 6, 30, 30));
    XpButton(tile, 265, 265, {}, {}, QRect(280, 8, 26, 26));
    const int functions[][2] = {{480, 481}, {532, 533}, {521, 523}, {505, 507}, {488, 489}};
    for (int f = 0; f < 5; ++f) {
        auto* fn = XpButton(tile, functions[f][0], functions[f][1], {}, {},
                            QRect(16 + f * 58, 60, 48, 48));
        fn->SetSelected(f == 1 ? 1 : 0);
    }
    auto* caption = new CBreakDownStatic(tile);
    caption->setText(t->sceneFunctionList);
    caption->setFont(ModuleFirstFont());
    caption->SetTextColor(QColor(0x6B, 0x77, 0x85));
    caption->setGeometry(16, 120, 280, 24);

    CAutoStatic* video = new CAutoStatic;
    video->Create(15030, &sheet, QRect(380, 20, 450, 350), kAutoStyleBitmapNotify);
    video->SetBitmap(685);
    auto* play = XpButton(&sheet, 645, 646, {}, {}, QRect(380 + 225 - 64, 374, 48, 28));
    play->SetClickMode(CXPButton::kShowSelectedWhileHeld);
    XpButton(&sheet, 647, 648, {}, {}, QRect(380 + 225 - 4, 374, 48, 28));
    const int failed = Save(sheet, folder, "widgets-scene-tile-and-video") ? 0 : 1;
    delete video;
    return failed;
}

// A parameter panel built from the auto-generated controls.
int SaveAutoControlPanel(const QString& folder) {
    const CComStr& t = TheComStr();
    const QFont first = ModuleFirstFont();
    Sheet sheet(620, 330);
    sheet.setFont(first);
    CAutoBtnPush enable;
    enable.Create(17000, &sheet, QRect(20, 20, 25, 24));
    enable.SetCheck(1);
    CAutoStatic label;
    label.Create(15000, &sheet, QRect(48, 20, 150, 24), kAutoStyleNone, t->stayTime);
    CAutoEdit stay;
    stay.Create(13000, &sheet, QRect(200, 20, 120, 24), kAutoStyleNone, QStringLiteral("30"));
    CAutoSpinBtnCtrl spin;
    spin.Create(14000, &sheet, QRect(322, 20, 18, 24));
    CAutoStatic modeLabel;
    modeLabel.Create(15001, &sheet, QRect(48, 60, 150, 24), kAutoStyleNone, t->mode);
    CAutoComboBox mode;
    mode.Create(12000, &sheet, QRect(200, 60, 140, 24));
    mode.AddString(t->everyDay);
    mode.AddString(t->schedule);
    mode.SetCurSel(0);
    CAutoStatic wireLabel;
    wireLabel.Create(15002, &sheet, QRect(48, 100, 150, 24), kAutoStyleNone, t->wireMargin);
    CAutoSliderCtrl wire;
    wire.Create(19000, &sheet, QRect(200, 100, 140, 24));
    wire.SetRange(0, 100);
    wire.SetPos(40);
    CAutoComboBox editable;
    editable.Create(12001, &sheet, QRect(350, 100, 90, 24), kAutoStyleDropDown,
                    QStringLiteral("40 ") + t->pixel);
    CAutoStatic toolLabel;
    toolLabel.Create(15003, &sheet, QRect(48, 140, 150, 24), kAutoStyleNone, t->rule);
    CAutoBitmapBtn pen, rect;
    pen.Create(11000, &sheet, QRect(200, 136, 32, 32));
    pen.LoadBitmaps(552, 568, 569, 555);
    rect.Create(11001, &sheet, QRect(240, 136, 32, 32));
    rect.LoadBitmaps(560, 572, 573, 563);
    CAutoBtnPush onOff;
    onOff.Create(17001, &sheet, QRect(48, 180, 200, 24), kAutoStyleNone, t->followLimit);
    CAutoListBox list;
    list.Create(20000, &sheet, QRect(460, 20, 140, 150));
    for (const QString& name : {t->sceneFunctionList, t->intelligenceFunctionList, t->autoTracking,
                                t->sceneCalibration}) {
        list.AddString(name);
    }
    CAutoXpBtn advance, save, recover;
    advance.Create(18000, &sheet, QRect(48, 220, 150, 36), kAutoStyleNone, t->advanceParam);
    advance.SetImages(541, 542);
    advance.Control()->setFont(first);
    recover.Create(18111, &sheet, QRect(300, 270, 100, 34), kAutoStyleNone, t->recover);
    recover.SetImages(545, 544);
    recover.Control()->SetTextColor(Qt::white);
    recover.Control()->setFont(ModuleSecondFont());
    save.Create(18110, &sheet, QRect(420, 270, 100, 34), kAutoStyleNone, t->save);
    save.SetImages(545, 544);
    save.Control()->SetTextColor(Qt::white);
    save.Control()->setFont(ModuleSecondFont());
    return Save(sheet, folder, "widgets-auto-controls-panel") ? 0 : 1;
}

}  // namespace

int SaveWidgetSheets(const QString& folder) {
    return SaveTextButtons(folder) + SavePtzAndSmallButtons(folder) + SaveFunctionIcons(folder) +
           SaveTileAndVideo(folder) + SaveAutoControlPanel(folder);
}

}  // namespace gallery

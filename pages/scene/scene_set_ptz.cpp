#include "scene_set_ptz.h"

#include <QListWidget>
#include <QPainter>

#include "com_str.h"
#include "dialog_manager.h"
#include "smart_scene_set.h"
#include "ui_helpers.h"

namespace {
constexpr int kStaticBase = 15000;
constexpr int kBitmapBase = 11000;
// The editor sits below the PTZ rows, from the part's top-left corner.
constexpr QPoint kEditorOffset{470, 360};
constexpr QSize kListSize{210, 190};
constexpr QSize kMoveButtonSize{40, 30};

// The move buttons' pictures: the arrow text on a light key.
QPixmap MoveButtonImage(const QString& arrows, bool pressed) {
    QPixmap image(kMoveButtonSize);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x9a, 0xa3, 0xb0));
    painter.setBrush(pressed ? QColor(0xd5, 0xdc, 0xe6) : QColor(0xff, 0xff, 0xff));
    painter.drawRoundedRect(
        QRectF(0.5, 0.5, kMoveButtonSize.width() - 1.0, kMoveButtonSize.height() - 1.0), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(QColor(0x22, 0x67, 0xAE));
    painter.drawText(QRect(QPoint(), kMoveButtonSize), Qt::AlignCenter, arrows);
    return image;
}
}  // namespace

void CSceneSetPtz::Create(QWidget* parent, QPoint origin) {
    CSceneSetBaseWithPtz::Create(parent, origin);
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const QPoint at = origin + kEditorOffset;
    title_.Create(kStaticBase + 10, parent, QRect(at, QSize(200, 20)), vexo::kAutoStyleNone,
                  texts.sceneFunction);
    const QPoint lists = at + QPoint(0, 26);
    sceneListLabel_.Create(kStaticBase + 11, parent, QRect(lists, QSize(kListSize.width(), 20)),
                           vexo::kAutoStyleNone, texts.sceneFunctionList);
    const int rightX = lists.x() + kListSize.width() + 70;
    intelligenceListLabel_.Create(kStaticBase + 12, parent,
                                  QRect(QPoint(rightX, lists.y()), QSize(kListSize.width(), 20)),
                                  vexo::kAutoStyleNone, texts.intelligenceFunctionList);
    sceneList_.Create(kSceneListId, parent, QRect(lists + QPoint(0, 22), kListSize));
    intelligenceList_.Create(kIntelligenceListId, parent,
                             QRect(QPoint(rightX, lists.y() + 22), kListSize));
    for (vexo::CAutoListBox* list : {&sceneList_, &intelligenceList_}) {
        list->Control()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    }
    // Between the lists, top to bottom: "<" adds the selected entries of the
    // intelligence list, "<<" adds all, ">" and ">>" give entries back.
    const char* arrows[4] = {"<", "<<", ">", ">>"};
    for (int k = 0; k < 4; ++k) {
        vexo::CAutoBitmapBtn& button = moves_[k];
        button.Create(kBitmapBase + kAddSelected + k, parent,
                      QRect(QPoint(lists.x() + kListSize.width() + 15, lists.y() + 40 + k * 40),
                            kMoveButtonSize));
        button.text = QString::fromLatin1(arrows[k]);
        const QPixmap normal = MoveButtonImage(button.text, false);
        const QPixmap pressed = MoveButtonImage(button.text, true);
        button.Control()->SetImages(normal, pressed, normal, normal);
    }
    conflicts_.clear();
    if (CDialogManager* manager = Manager()) {
        manager->DeviceContext().GetFunctionConflicts(conflicts_);
    }
}

void CSceneSetPtz::Show(bool show) {
    CSceneSetBaseWithPtz::Show(show);
    const int visible = show ? 1 : 0;
    title_.Show(visible);
    sceneListLabel_.Show(visible);
    intelligenceListLabel_.Show(visible);
    sceneList_.Show(visible);
    intelligenceList_.Show(visible);
    for (auto& button : moves_) {
        button.Show(visible);
    }
}

bool CSceneSetPtz::OnBitmapCommand(int offset) {
    switch (offset) {
        case kAddSelected:
            Move(intelligenceList_, sceneList_, false, true);
            return true;
        case kAddAll:
            Move(intelligenceList_, sceneList_, true, true);
            return true;
        case kRemoveSelected:
            Move(sceneList_, intelligenceList_, false, false);
            return true;
        case kRemoveAll:
            Move(sceneList_, intelligenceList_, true, false);
            return true;
        default:
            return false;
    }
}

void CSceneSetPtz::LoadFunctions() {
    sceneList_.Control()->clear();
    intelligenceList_.Control()->clear();
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    const SceneRecord& scene = Page()->Scene();
    CSmartXmlParse& context = manager->DeviceContext();
    context.SetReferenceScene(scene.name, scene.token);
    QStringList offered;
    if (!context.GetAllSupportSmartFunName(offered)) {
        return;  // a failed read leaves both lists empty
    }
    QStringList running;
    context.GetSceneSmartFuns(scene.token, running);
    for (const QString& function : offered) {
        AddEntry(running.contains(function) ? sceneList_ : intelligenceList_, function);
    }
}

int CSceneSetPtz::SaveScene(const QString& name, vexo::StoredDifferences& differences) {
    differences.clear();
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return 0;
    }
    CSmartXmlParse& context = manager->DeviceContext();
    QStringList refused;
    const QStringList sent = SceneFunctions();
    if (!context.ModifyScene(Page()->Scene().token, name, sent, refused)) {
        context.ShowDeviceError();
        return 0;
    }
    // What the device left out is not the scene's: show it where it is.
    QListWidget* list = sceneList_.Control();
    for (int row = list->count() - 1; row >= 0; --row) {
        const QString function = list->item(row)->data(Qt::UserRole).toString();
        if (refused.contains(function)) {
            delete list->takeItem(row);
            AddEntry(intelligenceList_, function);
        }
    }
    // ModifyScene reads the functions the scene now runs back: those are
    // compared with the ones sent, in the lists' own names. Unread, there is
    // nothing to compare with: the change itself was acknowledged.
    QStringList running;
    if (!context.GetSceneSmartFuns(Page()->Scene().token, running)) {
        return 1;
    }
    const auto names = [this](QStringList functions) {
        functions.sort();
        QStringList shown;
        for (const QString& function : functions) {
            shown << DisplayName(function);
        }
        return Json::Value(shown.join(QStringLiteral(", ")).toStdString());
    };
    const std::string member = vexo::TheComStr()->sceneFunction.toStdString();
    Json::Value sentForm;
    Json::Value storedForm;
    sentForm[member] = names(sent);
    storedForm[member] = names(running);
    differences = vexo::review::CompareStored(sentForm, storedForm);
    QStringList shown = SceneFunctions();
    shown.sort();
    running.sort();
    if (shown != running) {
        LoadFunctions();  // the lists show what the device runs
    }
    return 1;
}

QStringList CSceneSetPtz::SceneFunctions() const {
    QStringList functions;
    for (int row = 0; row < sceneList_.Control()->count(); ++row) {
        functions.append(sceneList_.Control()->item(row)->data(Qt::UserRole).toString());
    }
    return functions;
}

QStringList CSceneSetPtz::IntelligenceFunctions() const {
    QStringList functions;
    for (int row = 0; row < intelligenceList_.Control()->count(); ++row) {
        functions.append(intelligenceList_.Control()->item(row)->data(Qt::UserRole).toString());
    }
    return functions;
}

void CSceneSetPtz::Move(vexo::CAutoListBox& from, vexo::CAutoListBox& to, bool all,
                        bool checkConflicts) {
    QListWidget* source = from.Control();
    std::vector<int> rows;
    QStringList moving;
    for (int row = 0; row < source->count(); ++row) {
        if (all || source->item(row)->isSelected()) {
            rows.push_back(row);
            moving.append(source->item(row)->data(Qt::UserRole).toString());
        }
    }
    if (moving.isEmpty()) {
        return;
    }
    if (checkConflicts) {
        // Nothing moves; the operator is told which function stands in the way.
        const auto [added, present] = sceneset::FirstConflict(moving, SceneFunctions(), conflicts_);
        if (!added.isEmpty()) {
            const vexo::ComTexts& texts = vexo::TheComStr().Texts();
            vexo::ShowMessage(texts.functionConflict.arg(DisplayName(added), DisplayName(present)),
                              texts.tips);
            return;
        }
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        delete source->takeItem(*row);
    }
    for (const QString& function : moving) {
        AddEntry(to, function);
    }
}

QString CSceneSetPtz::DisplayName(const QString& function) const {
    QString text;
    if (CDialogManager* manager = Manager()) {
        text = manager->GetLocalText2(function);
    }
    return text.isEmpty() ? function : text;
}

void CSceneSetPtz::AddEntry(vexo::CAutoListBox& list, const QString& function) {
    auto* item = new QListWidgetItem(DisplayName(function));
    item->setData(Qt::UserRole, function);
    list.Control()->addItem(item);
}

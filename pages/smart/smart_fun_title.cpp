#include "smart_fun_title.h"

#include "dialog_manager.h"
#include "smart_config_layout.h"
#include "smart_config_set.h"

using namespace vexo::smart;

CSmartFunTitle::Look CSmartFunTitle::LookFor(const QString& caption) {
    if (caption.size() <= 12) {
        return {100, 260, 261};
    }
    if (caption.size() <= 20) {
        return {130, 539, 540};
    }
    return {150, 541, 542};
}

void CSmartFunTitle::Build(QWidget* parent, const QStringList& funNames) {
    buttons_.clear();
    entries_.clear();
    selected_.clear();
    CDialogManager* manager = Manager();
    if (!manager) {
        return;
    }
    for (const QString& name : funNames) {
        for (const vexo::CSmartFunIdData& entry : manager->FunctionIds()) {
            if (entry.name == name) {
                entries_.push_back({name, entry.secondText, entry.idOffset});
                break;
            }
        }
    }
    for (const Entry& entry : entries_) {
        const Look look = LookFor(entry.caption);
        auto button = std::make_unique<vexo::CAutoXpBtn>();
        button->Create(kXpBase + entry.offset, parent, QRect(0, 0, look.width, 36),
                       vexo::kAutoStyleNone, entry.caption);
        button->SetImages(look.normal, look.selected);
        buttons_.push_back(std::move(button));
    }
    Place(parent->width());
}

void CSmartFunTitle::Place(int pageWidth) {
    const int right = pageWidth - kFunctionBar.left();
    int x = kFunctionBar.left();
    int y = kFunctionBar.top();
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const int width = LookFor(entries_[i].caption).width;
        if (x > kFunctionBar.left() && x + width > right) {
            x = kFunctionBar.left();
            y += kFunctionRowStep;
        }
        if (QWidget* button = buttons_[i]->Control()) {
            button->setGeometry(x, y, width, 36);
        }
        x += width;
        // Close the row once the next button would start near its end.
        if (x >= kFunctionBar.right() + 1 - kFunctionRowReserve) {
            x = kFunctionBar.left();
            y += kFunctionRowStep;
        }
    }
}

bool CSmartFunTitle::Select(const QString& name) {
    bool found = false;
    for (size_t i = 0; i < entries_.size(); ++i) {
        const bool on = entries_[i].name == name;
        found = found || on;
        if (vexo::CXPButton* button = buttons_[i]->Control()) {
            button->SetSelected(on ? 1 : 0);
        }
    }
    if (found) {
        selected_ = name;
    }
    return found;
}

QString CSmartFunTitle::NameOfOffset(int offset) const {
    for (const Entry& entry : entries_) {
        if (entry.offset == offset) {
            return entry.name;
        }
    }
    return {};
}

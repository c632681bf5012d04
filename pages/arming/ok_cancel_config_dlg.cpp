#include "ok_cancel_config_dlg.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "com_font.h"
#include "com_str.h"
#include "image_catalog.h"
#include "message_display.h"
#include "popup_forms.h"
#include "xp_button.h"

namespace vexo {

namespace {

constexpr int kHeadingHeight = 40;
constexpr int kMargin = 20;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 32;
constexpr int kButtonGap = 16;
constexpr int kItemWidth = 140;
constexpr int kItemHeight = 28;
constexpr int kItemColumns = 2;
constexpr int kHourColumns = 4;
constexpr int kHourWidth = 66;
constexpr int kHourHeight = 30;
constexpr int kHourGap = 8;
constexpr int kHours = 24;
constexpr int kTextWidth = 300;

// Pictures of the two buttons: the accent one for OK, the light one for
// Cancel.
constexpr int kOkImage = 261;
constexpr int kCancelImage = 260;

const QColor kBackground(Qt::white);
const QColor kBorder(0xC9, 0xD1, 0xDC);
const QColor kBand(0xE3, 0xEF, 0xFC);
const QColor kBandLine(0xD5, 0xE3, 0xF3);
const QColor kHeadingInk(0x17, 0x45, 0x7A);
const QColor kTextInk(0x2B, 0x33, 0x3D);

QFont HeadingFont() {
    QFont font = CComFont(kHeaderFont).Font();
    font.setWeight(QFont::DemiBold);
    return font;
}

}  // namespace

COkCancelConfigDlg::COkCancelConfigDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setModal(true);
    setFont(ModuleFirstFont().Font());
}

COkCancelConfigDlg::~COkCancelConfigDlg() = default;

void COkCancelConfigDlg::SetPosition(const QPoint& position) {
    m_position = position;
    m_hasPosition = true;
}

void COkCancelConfigDlg::SetItems(const QStringList& names, int currentIndex) {
    m_itemNames = names;
    m_itemCount = static_cast<int>(names.size());
    m_currentIndex = currentIndex;
}

bool COkCancelConfigDlg::IsChooser() const {
    return m_mode == kPopupDayChooser || m_mode == kPopupRuleChooser;
}

void COkCancelConfigDlg::InitDialog() {
    if (m_initialised) {
        return;
    }
    m_initialised = true;
    const CComStr& texts = TheComStr();
    const QFontMetrics metrics(font());
    int width = kTextWidth + 2 * kMargin;
    int top = kHeadingHeight + kMargin;

    if (m_mode == kPopupMessage) {
        m_heading = m_title;
        m_message = m_text;
    } else if (IsChooser()) {
        m_heading = m_mode == kPopupDayChooser ? texts->copyTo : texts->batchSettings;
    } else if (m_mode == kPopupHourChooser) {
        m_heading = m_title.isEmpty() ? texts->schedule : m_title;
    } else {
        m_heading = m_title.isEmpty() ? texts->tips : m_title;
        switch (m_mode) {
            case kPopupSetCurrentScene:
                m_message = texts->setCurrentScene;
                break;
            case kPopupDeleteScene:
                m_message = texts->deleteCurrentScene;
                break;
            case kPopupDeleteRule:
                m_message = texts->deleteCurrentRule;
                break;
            case kPopupRecoverDefaults:
                m_message = texts->recoverQuestion;
                break;
            case kPopupSmartOff:
                m_message = texts->smartOffQuestion;
                break;
            case kPopupSaveChanges:
                m_message = texts->saveChanges;
                break;
            default:
                m_message = m_text;
                break;
        }
    }

    // What the popup says, readable by hosts that watch or answer popups.
    setWindowTitle(m_heading);
    setProperty(kPopupTextProperty, m_message);

    if (IsChooser()) {
        width = kItemColumns * kItemWidth + 2 * kMargin;
        BuildChooser(top);
        const int rows = (m_itemCount + kItemColumns - 1) / kItemColumns;
        top += rows * kItemHeight + 8 + kItemHeight + kMargin;
        BuildButtons(top, width, true);
        top += kButtonHeight + kMargin;
    } else if (m_mode == kPopupHourChooser) {
        width = kHourColumns * kHourWidth + (kHourColumns - 1) * kHourGap + 2 * kMargin;
        BuildHours(top);
        top += (kHours / kHourColumns) * (kHourHeight + kHourGap) - kHourGap + kMargin;
    } else {
        const QRect textRect = metrics.boundingRect(QRect(0, 0, kTextWidth, 10000),
                                                    Qt::TextWordWrap | Qt::AlignHCenter, m_message);
        top += std::max(textRect.height(), metrics.height() * 2) + kMargin;
        if (m_mode == kPopupSaveChanges) {
            width = std::max(width, 3 * kButtonWidth + 2 * kButtonGap + 2 * kMargin);
        }
        BuildButtons(top, width, m_mode != kPopupMessage);
        top += kButtonHeight + kMargin;
    }
    setFixedSize(width, top);

    if (m_hasPosition && m_mode != kPopupMessage) {
        move(m_position);
    } else {
        const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
        const QRect area = over ? over->frameGeometry()
                                : (QGuiApplication::primaryScreen()
                                       ? QGuiApplication::primaryScreen()->availableGeometry()
                                       : QRect(0, 0, 800, 600));
        move(area.center() - rect().center());
    }
}

void COkCancelConfigDlg::BuildButtons(int top, int dialogWidth, bool withCancel) {
    const CComStr& texts = TheComStr();
    // The unsaved-edits question: Save (as OK), Discard, Cancel.
    const bool discard = withCancel && m_mode == kPopupSaveChanges;
    const int buttons = discard ? 3 : (withCancel ? 2 : 1);
    const int total = buttons * kButtonWidth + (buttons - 1) * kButtonGap;
    int left = dialogWidth / 2 - total / 2;

    m_ok = new CXPButton(this);
    m_ok->setText(discard ? texts->save : texts->ok);
    m_ok->SetImages(ImageById(kOkImage), ImageById(kOkImage));
    m_ok->setGeometry(left, top, kButtonWidth, kButtonHeight);
    m_ok->SetTextColor(Qt::white);
    m_ok->setDefault(true);
    m_ok->setObjectName(QLatin1String(kPopupOkName));
    connect(m_ok, &QAbstractButton::clicked, this, &QDialog::accept);
    left += kButtonWidth + kButtonGap;
    // The buttons after OK share its size and the grey look.
    const auto greyButton = [&](const QString& text, const char* name) {
        auto* button = new CXPButton(this);
        button->setText(text);
        button->setObjectName(QLatin1String(name));
        button->SetImages(ImageById(kCancelImage), ImageById(kCancelImage));
        button->setGeometry(left, top, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
        return button;
    };
    if (discard) {
        m_discard = greyButton(texts->discard, kPopupDiscardName);
        connect(m_discard, &QAbstractButton::clicked, this, [this] { done(kDiscarded); });
    }
    if (withCancel) {
        m_cancel = greyButton(texts->cancel, kPopupCancelName);
        connect(m_cancel, &QAbstractButton::clicked, this, &QDialog::reject);
    }
}

void COkCancelConfigDlg::BuildChooser(int top) {
    // Every item starts unticked except the one the chooser was opened for.
    m_itemStates = QList<int>(m_itemCount + 1, 0);
    if (m_currentIndex >= 0 && m_currentIndex < m_itemCount) {
        m_itemStates[m_currentIndex] = 1;
    }
    for (int i = 0; i <= m_itemCount; ++i) {
        const bool all = i == m_itemCount;
        const int rows = (m_itemCount + kItemColumns - 1) / kItemColumns;
        const int row = all ? rows : i / kItemColumns;
        const int column = all ? 0 : i % kItemColumns;
        const QRect place(kMargin + column * kItemWidth, top + row * kItemHeight + (all ? 8 : 0),
                          kItemWidth - 8, kItemHeight);
        // Long rule names are cut to the column with an ellipsis; the tool
        // tip keeps the whole name.
        const QString name = all ? TheComStr()->all : m_itemNames.value(i);
        const QString shown =
            QFontMetrics(font()).elidedText(name, Qt::ElideRight, place.width() - 28);
        auto control = std::make_unique<CAutoBtnPush>();
        control->Create(AutoIdBase(kAutoCheckBoxClass) + i, this, place, kAutoStyleNone, shown);
        if (shown != name) {
            control->Control()->setToolTip(name);
        }
        m_itemControls.push_back(std::move(control));
    }
    SyncItemControls();
}

void COkCancelConfigDlg::BuildHours(int top) {
    for (int hour = 0; hour < kHours; ++hour) {
        const int row = hour / kHourColumns;
        const int column = hour % kHourColumns;
        const QRect place(kMargin + column * (kHourWidth + kHourGap),
                          top + row * (kHourHeight + kHourGap), kHourWidth, kHourHeight);
        auto control = std::make_unique<CAutoXpBtn>();
        control->Create(AutoIdBase(kAutoXpButtonClass) + hour, this, place, kAutoStyleNone,
                        QString::asprintf("%02d:00", hour));
        m_hourControls.push_back(std::move(control));
    }
}

int COkCancelConfigDlg::DoModal() {
    InitDialog();
    return exec();
}

QCheckBox* COkCancelConfigDlg::ItemControl(int index) const {
    if (index < 0 || index >= static_cast<int>(m_itemControls.size())) {
        return nullptr;
    }
    return m_itemControls[index]->Control();
}

CXPButton* COkCancelConfigDlg::HourControl(int hour) const {
    if (hour < 0 || hour >= static_cast<int>(m_hourControls.size())) {
        return nullptr;
    }
    return m_hourControls[hour]->Control();
}

bool COkCancelConfigDlg::OnAutoNotify(const AutoNotification& notification) {
    if (notification.code != AutoNotify::Clicked) {
        return false;
    }
    const int checkBase = AutoIdBase(kAutoCheckBoxClass);
    const int buttonBase = AutoIdBase(kAutoXpButtonClass);
    if (IsChooser() && notification.id >= checkBase && notification.id <= checkBase + m_itemCount) {
        ClickItem(notification.id - checkBase);
        return true;
    }
    if (m_mode == kPopupHourChooser && notification.id >= buttonBase &&
        notification.id < buttonBase + kHours) {
        m_selectedIndex = notification.id - buttonBase;
        accept();
        return true;
    }
    return false;
}

void COkCancelConfigDlg::ClickItem(int index) {
    if (index == m_itemCount) {
        const int all = m_itemStates[index] ? 0 : 1;
        for (int& state : m_itemStates) {
            state = all;
        }
    } else {
        m_itemStates[index] = m_itemStates[index] ? 0 : 1;
        bool every = true;
        for (int i = 0; i < m_itemCount; ++i) {
            every = every && m_itemStates[i];
        }
        m_itemStates[m_itemCount] = every ? 1 : 0;
    }
    SyncItemControls();
}

void COkCancelConfigDlg::SyncItemControls() {
    for (size_t i = 0; i < m_itemControls.size(); ++i) {
        m_itemControls[i]->SetCheck(m_itemStates.value(static_cast<int>(i)));
    }
}

void COkCancelConfigDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.fillRect(QRect(0, 0, width(), kHeadingHeight), kBand);
    painter.fillRect(QRect(0, kHeadingHeight - 1, width(), 1), kBandLine);
    painter.setPen(kBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setPen(kHeadingInk);
    painter.setFont(HeadingFont());
    painter.drawText(QRect(kMargin, 0, width() - 2 * kMargin, kHeadingHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, m_heading);
    if (!m_message.isEmpty()) {
        painter.setPen(kTextInk);
        painter.setFont(font());
        const int bottom = m_ok ? m_ok->y() - kMargin : height() - kMargin;
        painter.drawText(QRect(kMargin, kHeadingHeight + kMargin, width() - 2 * kMargin,
                               bottom - kHeadingHeight - kMargin),
                         Qt::AlignCenter | Qt::TextWordWrap, m_message);
    }
    if (IsChooser() && !m_itemControls.empty()) {
        // A hairline sets "All" apart from the items it governs.
        const QWidget* all = m_itemControls.back()->Control();
        painter.fillRect(QRect(kMargin, all->y() - 5, width() - 2 * kMargin, 1), kBandLine);
    }
}

// The whole background works as the caption: a press anywhere on it drags
// the popup.
void COkCancelConfigDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void COkCancelConfigDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void COkCancelConfigDlg::mouseReleaseEvent(QMouseEvent* event) {
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

// --- launch operations -------------------------------------------------------

int COkCancelConfigDlg::ShowMessage(const QString& title, const QString& text, QWidget* parent) {
    if (text.isEmpty()) {
        return 1;
    }
    COkCancelConfigDlg dialog(parent);
    dialog.SetTitle(title);
    dialog.SetText(text);
    dialog.SetMode(kPopupMessage);
    return dialog.DoModal() == QDialog::Accepted ? 1 : 0;
}

int COkCancelConfigDlg::ShowConfirm(const QPoint& position, int mode, const QString& question,
                                    QWidget* parent) {
    COkCancelConfigDlg dialog(parent);
    dialog.SetMode(mode);
    dialog.SetPosition(position);
    dialog.SetText(question);
    return dialog.DoModal() == QDialog::Accepted ? 1 : 0;
}

int COkCancelConfigDlg::AskSaveChanges(const QPoint& position, QWidget* parent) {
    COkCancelConfigDlg dialog(parent);
    dialog.SetMode(kPopupSaveChanges);
    dialog.SetPosition(position);
    switch (dialog.DoModal()) {
        case QDialog::Accepted:
            return kSaveChangesSave;
        case kDiscarded:
            return kSaveChangesDiscard;
        default:
            return kSaveChangesCancel;
    }
}

int COkCancelConfigDlg::ShowDayChooser(const QPoint& position, int currentDay, int itemCount,
                                       int mode, QList<int>& states, QWidget* parent) {
    // The day names of the current language; after an unknown language the
    // list is empty and the days are numbered instead.
    const QStringList& weekdays = TheComStr().WeekdayNames();
    QStringList names;
    for (int i = 0; i < itemCount; ++i) {
        names.append(i < weekdays.size() ? weekdays.at(i) : QString::number(i + 1));
    }
    return ShowRuleChooser(position, currentDay, names, mode, states, parent);
}

int COkCancelConfigDlg::ShowRuleChooser(const QPoint& position, int currentRule,
                                        const QStringList& names, int mode, QList<int>& states,
                                        QWidget* parent) {
    COkCancelConfigDlg dialog(parent);
    dialog.SetMode(mode);
    dialog.SetPosition(position);
    dialog.SetItems(names, currentRule);
    if (dialog.DoModal() != QDialog::Accepted) {
        return 0;
    }
    states = dialog.ItemStates();
    return 1;
}

int COkCancelConfigDlg::ShowHourChooser(const QPoint& position, int mode, int& hour,
                                        QWidget* parent) {
    COkCancelConfigDlg dialog(parent);
    dialog.SetMode(mode);
    dialog.SetPosition(position);
    if (dialog.DoModal() != QDialog::Accepted || dialog.SelectedIndex() < 0) {
        return 0;
    }
    hour = dialog.SelectedIndex();
    return 1;
}

}  // namespace vexo

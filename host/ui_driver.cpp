#include "ui_driver.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QJSEngine>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextEdit>
#include <algorithm>

#include "auto_base.h"
#include "control_idle.h"
#include "popup_answerer.h"

namespace host {
namespace {

constexpr char kPageProperty[] = "vexoPage";

// The page number of the page holding `widget`, -1 outside the pages.
int PageOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        const QVariant page = widget->property(kPageProperty);
        if (page.isValid()) {
            return page.toInt();
        }
    }
    return -1;
}

QString TextOf(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentText();
    }
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
        return spin->text();
    }
    if (auto* text = qobject_cast<QTextEdit*>(widget)) {
        return text->toPlainText();
    }
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        return text->toPlainText();
    }
    if (auto* slider = qobject_cast<QAbstractSlider*>(widget)) {
        return QString::number(slider->value());
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        return list->currentItem() ? list->currentItem()->text() : QString();
    }
    return widget->property("text").toString();
}

QStringList ItemsOf(QWidget* widget) {
    QStringList items;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        for (int i = 0; i < list->count(); ++i) {
            items << list->item(i)->text();
        }
    }
    return items;
}

int CurrentIndexOf(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->currentIndex();
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        return list->currentRow();
    }
    return -1;
}

void CollectWithId(QWidget* root, int id, QList<QWidget*>& found) {
    const QVariant value = root->property(vexo::kAutoIdProperty);
    if (value.isValid() && value.toInt() == id) {
        found << root;
    }
    for (QObject* child : root->children()) {
        if (child->isWidgetType()) {
            CollectWithId(static_cast<QWidget*>(child), id, found);
        }
    }
}

}  // namespace

UiDriver::UiDriver(QJSEngine& engine, PopupAnswerer& answerer, QObject* parent)
    : QObject(parent), m_engine(engine), m_answerer(answerer) {}

QList<QWidget*> UiDriver::WidgetsWithId(int id) {
    QList<QWidget*> found;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->parentWidget()) {
            CollectWithId(top, id, found);
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const QWidget* a, const QWidget* b) {
        if (a->isVisible() != b->isVisible()) {
            return a->isVisible();
        }
        return PageOf(a) < PageOf(b);
    });
    return found;
}

QJSValue UiDriver::Describe(QWidget* widget) {
    QJSValue result = m_engine.newObject();
    result.setProperty(QStringLiteral("exists"), widget != nullptr);
    if (!widget) {
        return result;
    }
    QPoint topLeft = widget->pos();
    if (m_origin && (m_origin == widget || m_origin->isAncestorOf(widget))) {
        topLeft = widget->mapTo(m_origin, QPoint(0, 0));
    } else {
        topLeft = widget->mapToGlobal(QPoint(0, 0));
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    result.setProperty(QStringLiteral("visible"), widget->isVisible());
    result.setProperty(QStringLiteral("enabled"), widget->isEnabled());
    result.setProperty(QStringLiteral("text"), TextOf(widget));
    result.setProperty(QStringLiteral("checked"), button && button->isChecked());
    result.setProperty(QStringLiteral("items"), m_engine.toScriptValue(ItemsOf(widget)));
    result.setProperty(QStringLiteral("currentIndex"), CurrentIndexOf(widget));
    result.setProperty(QStringLiteral("x"), topLeft.x());
    result.setProperty(QStringLiteral("y"), topLeft.y());
    result.setProperty(QStringLiteral("width"), widget->width());
    result.setProperty(QStringLiteral("height"), widget->height());
    return result;
}

QJSValue UiDriver::find(int id) {
    const QList<QWidget*> found = WidgetsWithId(id);
    return Describe(found.isEmpty() ? nullptr : found.first());
}

QJSValue UiDriver::findAll(int id) {
    const QList<QWidget*> found = WidgetsWithId(id);
    QJSValue list = m_engine.newArray(static_cast<uint>(found.size()));
    for (int i = 0; i < found.size(); ++i) {
        list.setProperty(static_cast<quint32>(i), Describe(found[i]));
    }
    return list;
}

QWidget* UiDriver::Usable(int id) {
    const QList<QWidget*> found = WidgetsWithId(id);
    if (found.isEmpty() || !found.first()->isVisible() || !found.first()->isEnabled()) {
        return nullptr;
    }
    return found.first();
}

void UiDriver::SendMouse(QWidget* widget, QEvent::Type type, const QPointF& position,
                         Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, position, widget->mapToGlobal(position), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

bool UiDriver::click(int id) {
    if (!ReadyForInput()) {
        return false;
    }
    QWidget* widget = Usable(id);
    if (!widget) {
        return false;
    }
    // A button is clicked as a button (its hit area may not include its
    // centre, e.g. a check box without text); anything else gets a real
    // press and release at its centre.
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
        ProcessUntilIdle();
        return true;
    }
    const QPoint centre = widget->rect().center();
    QPointer<QWidget> guard(widget);
    SendMouse(widget, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    if (guard) {  // the press may have closed or deleted it
        SendMouse(guard, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    }
    ProcessUntilIdle();
    return true;
}

bool UiDriver::doubleClick(int id) {
    if (!ReadyForInput()) {
        return false;
    }
    QWidget* widget = Usable(id);
    if (!widget) {
        return false;
    }
    const QPoint centre = widget->rect().center();
    SendMouse(widget, QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonDblClick, centre, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton);
    ProcessUntilIdle();
    return true;
}

QJSValue UiDriver::property(int id, const QString& name) {
    const QList<QWidget*> found = WidgetsWithId(id);
    if (found.isEmpty()) {
        return QJSValue(QJSValue::UndefinedValue);
    }
    const QVariant value = found.first()->property(name.toLatin1().constData());
    return value.isValid() ? m_engine.toScriptValue(value) : QJSValue(QJSValue::UndefinedValue);
}

bool UiDriver::setText(int id, const QString& text) {
    if (!ReadyForInput()) {
        return false;
    }
    QWidget* widget = Usable(id);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
        emit edit->editingFinished();
    } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable()) {
        combo->setEditText(text);
    } else if (auto* spin = qobject_cast<QSpinBox*>(widget)) {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok) {
            return false;
        }
        spin->setValue(value);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(widget)) {
        rich->setPlainText(text);
    } else {
        return false;
    }
    ProcessUntilIdle();
    return true;
}

bool UiDriver::select(int id, const QJSValue& indexOrText) {
    if (!ReadyForInput()) {
        return false;
    }
    QWidget* widget = Usable(id);
    const QStringList items = widget ? ItemsOf(widget) : QStringList();
    const int index = indexOrText.isNumber()
                          ? indexOrText.toInt()
                          : static_cast<int>(items.indexOf(indexOrText.toString()));
    if (index < 0 || index >= items.size()) {
        return false;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);  // as an operator's pick does
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
        list->setCurrentRow(index);
        emit list->itemClicked(list->item(index));
    }
    ProcessUntilIdle();
    return true;
}

bool UiDriver::check(int id, bool on) {
    auto* button = qobject_cast<QAbstractButton*>(Usable(id));
    if (!button || !button->isCheckable()) {
        return false;
    }
    if (button->isChecked() != on) {
        click(id);
    }
    return button->isChecked() == on;
}

bool UiDriver::mouse(int id, const QString& kind, double x, double y) {
    if (!ReadyForInput()) {
        return false;
    }
    QWidget* widget = Usable(id);
    if (!widget) {
        return false;
    }
    const QPointF position(x, y);
    if (kind == QLatin1String("press")) {
        m_held = Qt::LeftButton;
        SendMouse(widget, QEvent::MouseButtonPress, position, Qt::LeftButton, m_held);
    } else if (kind == QLatin1String("move")) {
        SendMouse(widget, QEvent::MouseMove, position, Qt::NoButton, m_held);
    } else if (kind == QLatin1String("release")) {
        m_held = Qt::NoButton;
        SendMouse(widget, QEvent::MouseButtonRelease, position, Qt::LeftButton, m_held);
    } else if (kind == QLatin1String("double")) {
        // What the system sends for the second press of a double click.
        m_held = Qt::LeftButton;
        SendMouse(widget, QEvent::MouseButtonDblClick, position, Qt::LeftButton, m_held);
    } else {
        m_engine.throwError(QStringLiteral("ui.mouse: the kind must be \"press\", \"move\", "
                                           "\"release\" or \"double\", not \"%1\"")
                                .arg(kind));
        return false;
    }
    ProcessUntilIdle();
    return true;
}

bool UiDriver::focus(int id) {
    QWidget* widget = Usable(id);
    if (!widget || widget->focusPolicy() == Qt::NoFocus) {
        return false;
    }
    widget->setFocus(Qt::MouseFocusReason);
    return true;
}

int UiDriver::focused() {
    // Offscreen windows need not be active, so the window's own focus
    // widget is asked rather than the application's.
    QWidget* top = m_origin ? m_origin->window() : QApplication::activeWindow();
    for (QWidget* widget = top ? top->focusWidget() : nullptr; widget;
         widget = widget->parentWidget()) {
        const QVariant id = widget->property(vexo::kAutoIdProperty);
        if (id.isValid()) {
            return id.toInt();
        }
    }
    return 0;
}

bool UiDriver::key(int id, const QString& sequence) {
    if (!ReadyForInput()) {
        return false;
    }
    const QKeySequence keys = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (keys.isEmpty() || keys[0].key() == Qt::Key_unknown) {
        m_engine.throwError(QStringLiteral("ui.key: \"%1\" names no key").arg(sequence));
        return false;
    }
    QWidget* widget = Usable(id);
    if (!widget) {
        return false;
    }
    // Each combination of the sequence is pressed and released in turn.
    QPointer<QWidget> guard(widget);
    for (int i = 0; i < keys.count() && guard; ++i) {
        const QKeyCombination combination = keys[i];
        const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
        const int code = combination.key();
        // A printable key without Ctrl, Alt or Meta also types its character.
        QString text;
        if (!(modifiers & ~Qt::ShiftModifier) && code >= Qt::Key_Space &&
            code <= Qt::Key_AsciiTilde) {
            text = QChar(code);
            if (!(modifiers & Qt::ShiftModifier)) {
                text = text.toLower();
            }
        }
        QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
        QApplication::sendEvent(guard, &press);
        if (guard) {
            QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
            QApplication::sendEvent(guard, &release);
        }
    }
    ProcessUntilIdle();
    return true;
}

bool UiDriver::drag(int id, int x1, int y1, int x2, int y2) {
    constexpr int kSteps = 8;
    if (!mouse(id, QStringLiteral("press"), x1, y1)) {
        return false;
    }
    for (int step = 1; step <= kSteps; ++step) {
        mouse(id, QStringLiteral("move"), x1 + (x2 - x1) * step / kSteps,
              y1 + (y2 - y1) * step / kSteps);
    }
    return mouse(id, QStringLiteral("release"), x2, y2);
}

int UiDriver::page() {
    for (QWidget* widget : QApplication::allWidgets()) {
        const QVariant page = widget->property(kPageProperty);
        if (page.isValid() && widget->isVisible()) {
            return page.toInt();
        }
    }
    return -1;
}

QJSValue UiDriver::shade(int id, int columns, int rows) {
    // The mean grey of each cell of the widget as it paints now, row by
    // row: enough to tell whether a picture changed, without files.
    QWidget* widget = Usable(id);
    if (!widget || columns <= 0 || rows <= 0 || columns * rows > 4096) {
        return QJSValue(QJSValue::NullValue);
    }
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    QJSValue cells = m_engine.newArray(static_cast<uint>(columns * rows));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const QRect cell(column * image.width() / columns, row * image.height() / rows,
                             std::max(1, image.width() / columns),
                             std::max(1, image.height() / rows));
            qint64 sum = 0;
            qint64 count = 0;
            for (int y = cell.top(); y <= cell.bottom() && y < image.height(); ++y) {
                const uchar* line = image.constScanLine(y);
                for (int x = cell.left(); x <= cell.right() && x < image.width(); ++x) {
                    sum += line[x];
                    ++count;
                }
            }
            cells.setProperty(static_cast<quint32>(row * columns + column),
                              count ? double(sum) / double(count) : 0.0);
        }
    }
    return cells;
}

bool UiDriver::openScene(int index) {
    if (!ReadyForInput()) {
        return false;
    }
    // The scene settings page offers what a scene tile's settings button
    // does; the host only knows the page by its number.
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->property(kPageProperty).toInt() == 1 &&
            widget->property(kPageProperty).isValid()) {
            bool opened = false;
            if (QMetaObject::invokeMethod(widget, "OpenSceneAt", Q_RETURN_ARG(bool, opened),
                                          Q_ARG(int, index))) {
                ProcessUntilIdle();
                return opened;
            }
        }
    }
    return false;
}

QJSValue UiDriver::messages() {
    const QList<PopupRecord> records = m_answerer.TakeMessages();
    QJSValue list = m_engine.newArray(static_cast<uint>(records.size()));
    for (int i = 0; i < records.size(); ++i) {
        QJSValue record = m_engine.newObject();
        record.setProperty(QStringLiteral("title"), records[i].title);
        record.setProperty(QStringLiteral("text"), records[i].text);
        list.setProperty(static_cast<quint32>(i), record);
    }
    return list;
}

void UiDriver::answer(const QString& how) {
    if (how == QLatin1String("ok")) {
        m_answerer.SetAnswer(PopupAnswerer::Answer::Ok);
    } else if (how == QLatin1String("cancel")) {
        m_answerer.SetAnswer(PopupAnswerer::Answer::Cancel);
    } else if (how == QLatin1String("discard")) {
        m_answerer.SetAnswer(PopupAnswerer::Answer::Discard);
    } else {
        m_engine.throwError(
            QStringLiteral("ui.answer: expected \"ok\", \"cancel\" or \"discard\", not \"%1\"")
                .arg(how));
    }
}

void UiDriver::saveAs(const QString& path) {
    m_answerer.SetSavePath(path);
}

void UiDriver::choose(const QJSValue& items) {
    if (!items.isArray()) {
        m_engine.throwError(QStringLiteral("ui.choose: expected an array of item indices"));
        return;
    }
    QList<int> indices;
    const int length = items.property(QStringLiteral("length")).toInt();
    for (int i = 0; i < length; ++i) {
        const QJSValue item = items.property(static_cast<quint32>(i));
        if (!item.isNumber() || item.toInt() < 0) {
            m_engine.throwError(QStringLiteral("ui.choose: item %1 is not an index").arg(i));
            return;
        }
        indices.append(item.toInt());
    }
    m_answerer.SetNextChoice(indices);
}

}  // namespace host

#include "auto_controls.h"

#include <algorithm>

#include "image_catalog.h"

namespace vexo {

void CAutoBtnPush::SetCheck(int checked) {
    if (QCheckBox* box = Control()) {
        box->setChecked(checked != 0);
    }
}

int CAutoBtnPush::GetCheck() const {
    const QCheckBox* box = Control();
    return box && box->isChecked() ? 1 : 0;
}

void CAutoXpBtn::SetImages(int normalImage, int selectedImage) {
    m_images[0] = normalImage;
    m_images[1] = selectedImage;
    if (CXPButton* button = Control()) {
        button->SetImages(ImageById(normalImage), ImageById(selectedImage));
    }
}

void CAutoXpBtn::SetToolTipText(const QString& text) {
    m_toolTipText = text;
    if (CXPButton* button = Control()) {
        button->setToolTip(text);
    }
}

void CAutoPngBtn::SetImages(int normalImage, int pressedImage) {
    m_images[0] = normalImage;
    m_images[1] = pressedImage;
    if (CGdipButton* button = Control()) {
        button->SetImages(RasterImageById(normalImage), {}, RasterImageById(pressedImage));
    }
}

void CAutoPngBtn::SetMask(int maskImage, QRgb transparent) {
    if (CGdipButton* button = Control()) {
        button->SetMask(RasterImageById(maskImage), transparent);
    }
}

void CAutoBitmapBtn::LoadBitmaps(int normal, int pressed, int focused, int disabled) {
    m_bitmapSize = ImageSizeById(normal);
    if (CBitmapButton* button = Control()) {
        button->SetImages(ImageById(normal), ImageById(pressed), ImageById(focused),
                          ImageById(disabled));
    }
}

int CAutoComboBox::AddString(const QString& text, const QString& rawValue) {
    QComboBox* box = Control();
    if (!box) {
        return -1;
    }
    box->addItem(text);
    m_rawValues.append(rawValue);
    return box->count() - 1;
}

void CAutoComboBox::SetCurSel(int index) {
    if (QComboBox* box = Control()) {
        box->setCurrentIndex(index);
    }
}

int CAutoComboBox::GetCurSel() const {
    const QComboBox* box = Control();
    return box ? box->currentIndex() : -1;
}

QString CAutoComboBox::RawValue(int index) const {
    return index >= 0 && index < m_rawValues.size() ? m_rawValues.at(index) : QString();
}

void CAutoEdit::SetWindowText(const QString& text) {
    if (QLineEdit* edit = Control()) {
        edit->setText(text);
    }
}

QString CAutoEdit::GetWindowText() const {
    const QLineEdit* edit = Control();
    return edit ? edit->text() : QString();
}

void CAutoSpinBtnCtrl::SetValues(const QList<int>& values) {
    m_values = values;
    m_pos = std::clamp(m_pos, 0, std::max(0, static_cast<int>(values.size()) - 1));
}

void CAutoSpinBtnCtrl::SetPos(int index) {
    m_pos = std::clamp(index, 0, std::max(0, static_cast<int>(m_values.size()) - 1));
}

int CAutoSpinBtnCtrl::StepBy(int delta) {
    SetPos(m_pos + delta);
    return m_pos;
}

void CAutoSpinBtnCtrl::SetBuddy(CAutoEdit* edit) {
    m_buddy = edit;
    if (SpinArrows* arrows = Control()) {
        arrows->SetBuddy(edit ? edit->Control() : nullptr);
    }
}

void CAutoStatic::SetBitmap(int image) {
    m_bitmapSize = ImageSizeById(image);
    if (CBreakDownStatic* label = Control()) {
        label->SetBackground(ImageById(image));
    }
}

void CAutoSliderCtrl::SetRange(int minimum, int maximum) {
    if (QSlider* slider = Control()) {
        slider->setRange(minimum, maximum);
    }
}

void CAutoSliderCtrl::SetPos(int pos) {
    if (QSlider* slider = Control()) {
        slider->setValue(pos);
    }
}

int CAutoSliderCtrl::GetPos() const {
    const QSlider* slider = Control();
    return slider ? slider->value() : 0;
}

int CAutoListBox::AddString(const QString& text) {
    QListWidget* list = Control();
    if (!list) {
        return -1;
    }
    list->addItem(text);
    return list->count() - 1;
}

int CAutoListBox::GetCount() const {
    const QListWidget* list = Control();
    return list ? list->count() : 0;
}

QString CAutoListBox::GetText(int index) const {
    const QListWidget* list = Control();
    const QListWidgetItem* item = list ? list->item(index) : nullptr;
    return item ? item->text() : QString();
}

}  // namespace vexo

#pragma once
// The auto-generated control classes, one per control kind. Pages and the
// parameter UI engine create them at run time; each owns its widget.

#include <QColor>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include "auto_base.h"

namespace vexo {

// Check box (class 2, identifiers 17000-17799).
class CAutoBtnBase : public CAutoBase<QCheckBox> {
public:
    CAutoBtnBase() : CAutoBase<QCheckBox>(kAutoCheckBoxClass) {}
};

class CAutoBtnPush : public CAutoBtnBase {
public:
    void SetCheck(int checked);
    int GetCheck() const;
    // 1 for the box the engine puts in front of a parameter label.
    int labelBox = 0;
};

// Owner-drawn two-image button (class 3, identifiers 18000-18799).
class CAutoXpBtn : public CAutoBase<CXPButton> {
public:
    CAutoXpBtn() : CAutoBase<CXPButton>(kAutoXpButtonClass) {}
    // Loads the normal and selected images by resource number.
    void SetImages(int normalImage, int selectedImage);
    void SetToolTipText(const QString& text);
    const QString& ToolTipText() const { return m_toolTipText; }
    int NormalImage() const { return m_images[0]; }
    int SelectedImage() const { return m_images[1]; }

private:
    int m_images[2] = {0, 0};
    QString m_toolTipText;
};

// PNG button (class 4, identifiers 21000-21799).
class CAutoPngBtn : public CAutoBase<CGdipButton> {
public:
    CAutoPngBtn() : CAutoBase<CGdipButton>(kAutoPngButtonClass) {}
    // The normal and pressed pictures, by resource number.
    void SetImages(int normalImage, int pressedImage);
    // Shapes the button from a mask picture in which `transparent` is outside.
    void SetMask(int maskImage, QRgb transparent);
    int NormalImage() const { return m_images[0]; }
    int PressedImage() const { return m_images[1]; }

private:
    int m_images[2] = {0, 0};
};

// Four-image drawing tool button (class 5, identifiers 11000-11799).
class CAutoBitmapBtn : public CAutoBase<CBitmapButton> {
public:
    CAutoBitmapBtn() : CAutoBase<CBitmapButton>(kAutoBitmapButtonClass) {}
    void LoadBitmaps(int normal, int pressed, int focused, int disabled);
    // The tool code the shape tracker draws with once this button is chosen.
    void SetTool(int code) { m_tool = code; }
    int Tool() const { return m_tool; }
    QSize BitmapSize() const { return m_bitmapSize; }
    QString text;

private:
    int m_tool = 0;
    QSize m_bitmapSize;
};

// Combo box (class 6, identifiers 12000-12799). Every entry keeps the raw
// value the device knows beside the text the operator sees.
class CAutoComboBox : public CAutoBase<QComboBox> {
public:
    CAutoComboBox() : CAutoBase<QComboBox>(kAutoComboBoxClass) {}
    // Returns the new entry's index, -1 without a widget.
    int AddString(const QString& text, const QString& rawValue);
    int AddString(const QString& text) { return AddString(text, text); }
    void SetCurSel(int index);
    int GetCurSel() const;
    QString RawValue(int index) const;
    const QStringList& RawValues() const { return m_rawValues; }

private:
    QStringList m_rawValues;
};

// Edit box (class 7, identifiers 13000-13799).
class CAutoEdit : public CAutoBase<QLineEdit> {
public:
    CAutoEdit() : CAutoBase<QLineEdit>(kAutoEditClass) {}
    void SetWindowText(const QString& text);
    QString GetWindowText() const;
};

// Spin arrows walking a list of allowed values (class 8, 14000-14799). The
// position is an index into that list; the buddy edit shows the value.
class CAutoSpinBtnCtrl : public CAutoBase<SpinArrows> {
public:
    CAutoSpinBtnCtrl() : CAutoBase<SpinArrows>(kAutoSpinClass) {}
    void SetValues(const QList<int>& values);
    const QList<int>& Values() const { return m_values; }
    void SetPos(int index);
    int GetPos() const { return m_pos; }
    // Moves the position by `delta` steps, kept inside the list; returns the
    // new position.
    int StepBy(int delta);
    // The edit that shows the value; its Up and Down keys step the arrows.
    // Call after both controls are created.
    void SetBuddy(CAutoEdit* edit);
    CAutoEdit* Buddy() const { return m_buddy; }
    int coarse = 0;

private:
    QList<int> m_values;
    int m_pos = 0;
    CAutoEdit* m_buddy = nullptr;
};

// Static text, or in its bitmap form a clickable picture (class 9,
// 15000-15799).
class CAutoStatic : public CAutoBase<CBreakDownStatic> {
public:
    CAutoStatic() : CAutoBase<CBreakDownStatic>(kAutoStaticClass) {}
    void SetBitmap(int image);
    QSize BitmapSize() const { return m_bitmapSize; }

private:
    QSize m_bitmapSize;
};

// Slider (class 10, identifiers 19000-19799).
class CAutoSliderCtrl : public CAutoBase<QSlider> {
public:
    CAutoSliderCtrl() : CAutoBase<QSlider>(kAutoSliderClass) {}
    void SetRange(int minimum, int maximum);
    void SetPos(int pos);
    int GetPos() const;
};

// List box (class 11, identifiers 20000-20799).
class CAutoListBox : public CAutoBase<QListWidget> {
public:
    CAutoListBox() : CAutoBase<QListWidget>(kAutoListBoxClass) {}
    int AddString(const QString& text);
    int GetCount() const;
    QString GetText(int index) const;
};

}  // namespace vexo

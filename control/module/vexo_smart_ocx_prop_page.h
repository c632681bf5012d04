#pragma once
// CVexoSmartOcxPropPage: the control's property page. The control has no
// custom properties, so the page is an empty panel with its caption.

#include <QWidget>

class CVexoSmartOcxPropPage : public QWidget {
    Q_OBJECT
public:
    explicit CVexoSmartOcxPropPage(QWidget* parent = nullptr);

    static QString Caption();  // "常规"
};

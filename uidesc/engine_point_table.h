#pragma once
// The point table under the video: the points of the shape the operator
// works on, in device coordinates, each editable. A typed value moves its
// point at once (one undo step of the panel, as a drag would be); the
// shape's size shows beside the table. The table lists only the shapes of
// the panel it is attached to and hides itself when none is selected.

#include <QPointer>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace vexo {

class CSmartUiEngine;

class CPointTable {
public:
    // Point i: its x edit is kFirstEditId + 2i, its y edit the next one.
    static constexpr int kFirstEditId = 13470;
    static constexpr int kCaptionId = 15470;  // the shape's name
    static constexpr int kSizeId = 15471;     // its size
    static constexpr int kMaxPoints = 8;

    CPointTable();
    ~CPointTable();
    CPointTable(const CPointTable&) = delete;
    CPointTable& operator=(const CPointTable&) = delete;

    void Create(QWidget* parent, const QRect& area);
    // Lays the table out in `area` again (the video above it changed width).
    void Place(const QRect& area);
    // Follows the engine's overlay from now on (call again when the panel
    // gets another overlay).
    void Attach(CSmartUiEngine* engine);
    // Shows the selected shape's points as they are now.
    void Refresh();

private:
    class Filter;
    void Commit(int index);
    void Focused(int index);
    void SetShown(bool shown);

    CSmartUiEngine* engine_ = nullptr;
    QPointer<QWidget> parent_;
    QPointer<QLabel> caption_;
    QPointer<QLabel> size_;
    std::vector<QPointer<QLabel>> labels_;  // "x", "y" and the point numbers
    std::vector<QPointer<QLineEdit>> xs_;
    std::vector<QPointer<QLineEdit>> ys_;
    std::unique_ptr<Filter> filter_;
    QString key_;  // the shape listed
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace vexo

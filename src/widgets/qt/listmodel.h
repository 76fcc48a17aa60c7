#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

#include "widgets/listwidget.h"

namespace kelvane::qt {

// The rows of our list views: 8-bit texts kept byte for byte, shown through the local 8-bit
// encoding (bytes that aren't valid text show as a replacement character), each with a check
// mark when the list is checkable: the Selected flag of the list widget given, which keeps it.
// Reading a row is O(1) and no Qt item objects are made.
class ListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    // `marks`, the list whose Selected flags are the check marks; null for a list without them.
    explicit ListModel(ListWidget* marks, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int Count() const { return static_cast<int>(texts_.size()); }
    const std::string& Text(int row) const { return texts_[static_cast<std::size_t>(row)]; }
    // Replaces a row's text without telling the views; NotifyTexts tells them later, at once for
    // a span of rows.
    void SetText(int row, const std::string& text);
    void NotifyTexts(int first, int last);
    void NotifyMark(int row);

    void Append(const std::string& text);
    void Remove(int row);
    void Clear();
    // Replaces every row at once (one model reset).
    void Reset(std::vector<std::string> texts);

  private:
    ListWidget* marks_;
    std::vector<std::string> texts_;
};

}  // namespace kelvane::qt

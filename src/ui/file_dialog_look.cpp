#include "ui/file_dialog_look.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTreeView>

namespace memvalo {

namespace {

constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

// The file model writes sizes and dates in the system's locale, which may be another
// language than the program's German.
class GermanSizesAndDates : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files == nullptr || role != Qt::DisplayRole) {
            return QIdentityProxyModel::data(index, role);
        }
        const QModelIndex file = mapToSource(index);
        if (index.column() == kDateColumn) {
            return QLocale().toString(files->lastModified(file), QLocale::ShortFormat);
        }
        if (index.column() == kSizeColumn && !files->isDir(file)) {
            return QLocale().formattedDataSize(files->size(file));
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

void fitFileDialog(QFileDialog& dialog) {
    dialog.setProxyModel(new GermanSizesAndDates(&dialog));
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(dialog.sizeHint().expandedTo(QSize(860, 520)));
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (view == nullptr) return;
    QHeaderView* header = view->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int i = 1; i < header->count(); ++i) {
        header->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    }
}

}  // namespace memvalo

#include "ui/card_search_window.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTableView>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "ui/control_widgets.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

QRect pixels(const Geometry& g) {
    return {g.left / kTwipsPerPixel, g.top / kTwipsPerPixel, g.width / kTwipsPerPixel,
            g.height / kTwipsPerPixel};
}

// The rows the model shows; a row of a group of equal questions is shaded by its group.
class HitTable : public QAbstractTableModel {
  public:
    explicit HitTable(const CardSearchWindowModel& f, QObject* parent)
        : QAbstractTableModel(parent), f_(f) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(f_.treffer.size());
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(kSearchColumns.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const auto r = static_cast<std::size_t>(index.row());
        if (role == Qt::DisplayRole) {
            const SearchRow& row = f_.index.rows()[static_cast<std::size_t>(f_.treffer[r])];
            return toQt(row.cells[static_cast<std::size_t>(index.column())]);
        }
        if (role == Qt::TextAlignmentRole &&
            kSearchColumns[static_cast<std::size_t>(index.column())].order == ColumnOrder::Number) {
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        }
        if (role == Qt::BackgroundRole && r < f_.gruppe.size() && f_.gruppe[r] % 2 == 1) {
            return QApplication::palette().color(QPalette::AlternateBase);
        }
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        return toQt(kSearchColumns[static_cast<std::size_t>(section)].heading);
    }
    void refresh() {
        beginResetModel();
        endResetModel();
    }

  private:
    const CardSearchWindowModel& f_;
};

class CardSearchDialog : public QDialog {
  public:
    CardSearchDialog(App& app, CardSearchWindowModel& f, QWidget* parent)
        : QDialog(parent), app_(app), f_(f) {
        setObjectName(QStringLiteral("frmsuche"));
        setWindowTitle(toQt(f.me.caption));
        const QRect size = pixels(f.me.geometry);
        setFixedSize(size.width(), size.height());
        for (auto& [name, control] : f.controls()) {
            if (QWidget* widget = createControlWidget(name, control, this, control.multiLine)) {
                if (auto* label = qobject_cast<QLabel*>(widget)) label->setWordWrap(true);
                widgets_[name] = widget;
            }
        }
        makeTable();
        connectEvents();
        setTabOrder();
        sync();
    }

    // A fault of a procedure closes the window and goes on to the command that opened it.
    void run() {
        exec();
        if (fault_) std::rethrow_exception(std::exchange(fault_, nullptr));
    }

  protected:
    void reject() override {
        forward([this] { cmdschließen_Click(app_, f_); });
    }

  private:
    void makeTable() {
        table_ = new QTableView(this);
        table_->setObjectName(QStringLiteral("grdtreffer"));
        table_->setAccessibleName(QStringLiteral("Gefundene Karten"));
        hits_ = new HitTable(f_, table_);
        table_->setModel(hits_);
        table_->setGeometry(pixels(f_.tabelle));
        table_->setSelectionBehavior(QAbstractItemView::SelectRows);
        table_->setSelectionMode(QAbstractItemView::SingleSelection);
        table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table_->setWordWrap(false);
        table_->verticalHeader()->hide();
        QHeaderView* header = table_->horizontalHeader();
        header->setSectionsClickable(true);
        header->setSortIndicatorShown(true);
        header->setStretchLastSection(true);
        const int fixed[] = {64, 70, 0, 0, 66, 82, 82, 82, 82, 82};
        for (int c = 0; c < static_cast<int>(kSearchColumns.size()); ++c) {
            header->resizeSection(c, fixed[c] > 0 ? fixed[c] : 160);
        }
        connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& current) {
                    forward([this, row = current.row()] { grdtreffer_Select(app_, f_, row); });
                });
        connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
            forward([this, column] { grdtreffer_HeaderClick(app_, f_, column); });
        });
    }

    void connectEvents() {
        connect(qobject_cast<QLineEdit*>(widgets_.at("txtsuche")), &QLineEdit::textEdited, this,
                [this] { forward([this] { txtsuche_Change(app_, f_); }); });
        for (int i = 0; i < 5; ++i) {
            onClick("chkkasten(" + std::to_string(i) + ")",
                    [this, i] { chkkasten_Click(app_, f_, i); });
        }
        onClick("cmdbearbeiten", [this] { cmdbearbeiten_Click(f_); });
        onClick("cmdübernehmen", [this] { cmdübernehmen_Click(app_, f_); });
        onClick("cmdverwerfen", [this] { cmdverwerfen_Click(app_, f_); });
        onClick("cmdbild", [this] { cmdbild_Click(app_, f_); });
        onClick("cmdbildweg", [this] { cmdbildweg_Click(app_, f_); });
        onClick("cmdlöschen", [this] { cmdlöschen_Click(app_, f_); });
        onClick("cmdkasten1", [this] { cmdkasten1_Click(app_, f_); });
        onClick("cmddoppelt", [this] { cmddoppelt_Click(app_, f_); });
        onClick("cmdschließen", [this] { cmdschließen_Click(app_, f_); });
    }

    void onClick(const std::string& control, std::function<void()> procedure) {
        connect(qobject_cast<QAbstractButton*>(widgets_.at(control)), &QAbstractButton::clicked,
                this, [this, procedure = std::move(procedure)] { forward(procedure); });
    }

    void setTabOrder() {
        std::vector<QWidget*> order = {widgets_.at("txtsuche")};
        for (int i = 0; i < 5; ++i)
            order.push_back(widgets_.at("chkkasten(" + std::to_string(i) + ")"));
        order.push_back(table_);
        for (const CardField& field : kCardFields)
            order.push_back(widgets_.at(std::string(field.textBox)));
        for (const char* name :
             {"cmdbearbeiten", "cmdübernehmen", "cmdverwerfen", "cmdbild", "cmdbildweg",
              "cmdlöschen", "cmdkasten1", "cmddoppelt", "cmdschließen"}) {
            order.push_back(widgets_.at(name));
        }
        for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    }

    void sync() {
        syncing_ = true;
        const Backdrop backdrop = [this](const QRect&) {
            return std::vector<QColor>{palette().color(QPalette::Window)};
        };
        for (auto& [name, widget] : widgets_)
            applyControl(f_.controls().at(name), widget, backdrop);
        hits_->refresh();
        QHeaderView* header = table_->horizontalHeader();
        header->setSortIndicator(f_.sortSpalte,
                                 f_.aufsteigend ? Qt::AscendingOrder : Qt::DescendingOrder);
        table_->setEnabled(!f_.editing());
        if (f_.auswahl >= 0) {
            const QModelIndex current = hits_->index(f_.auswahl, 0);
            table_->selectionModel()->setCurrentIndex(
                current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            table_->scrollTo(current);
        }
        syncing_ = false;
    }

    void forward(const std::function<void()>& procedure) {
        if (syncing_) return;
        for (auto& [name, widget] : widgets_) readBackControl(f_.controls().at(name), widget);
        try {
            procedure();
        } catch (...) {
            fault_ = std::current_exception();
            done(QDialog::Rejected);
            return;
        }
        sync();
        if (!f_.me.visible) accept();
    }

    App& app_;
    CardSearchWindowModel& f_;
    std::map<std::string, QWidget*> widgets_;
    QTableView* table_ = nullptr;
    HitTable* hits_ = nullptr;
    bool syncing_ = false;
    std::exception_ptr fault_;
};

}  // namespace

void showCardSearchWindow(App& app, CardSearchWindowModel& model, QWidget* parent) {
    CardSearchDialog window(app, model, parent);
    window.run();
}

}  // namespace memvalo

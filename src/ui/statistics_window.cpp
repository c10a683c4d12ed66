#include "ui/statistics_window.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

#include "study/statistics_text.h"
#include "ui/qt_text.h"
#include "ui/statistics_pictures.h"

namespace memvalo {

namespace {

using Drawing = std::function<void(QPainter&, const QRect&)>;

class Picture : public QWidget {
  public:
    explicit Picture(Drawing draw) : draw_(std::move(draw)) { setMinimumSize(340, 230); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        draw_(p, rect());
    }

  private:
    Drawing draw_;
};

QGroupBox* framed(std::string_view title, QWidget* content) {
    auto* box = new QGroupBox(toQt(title));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(content);
    return box;
}

QTableWidget* problemTable(const LearningStatistics& stats) {
    auto* table = new QTableWidget(static_cast<int>(stats.problemCards.size()), 5);
    table->setHorizontalHeaderLabels({"Frage", "Antwort", "Kasten", "Karte", "falsch"});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    for (int col = 0; col < table->columnCount(); ++col) {
        table->horizontalHeader()->setSectionResizeMode(
            col, col < 2 ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    }
    for (int i = 0; i < table->rowCount(); ++i) {
        const ProblemCard& card = stats.problemCards[static_cast<std::size_t>(i)];
        const QStringList cells = {toQt(oneLine(card.question)), toQt(oneLine(card.answer)),
                                   QString::number(card.box), QString::number(card.position),
                                   QString::number(card.wrong)};
        for (int col = 0; col < cells.size(); ++col) {
            auto* item = new QTableWidgetItem(cells[col]);
            if (col >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(i, col, item);
        }
    }
    table->setAccessibleName(QString::fromUtf8("Problemkarten"));
    return table;
}

}  // namespace

void showStatisticsWindow(App& app, StatisticsWindowModel& model, QWidget* parent) {
    QDialog window(parent);
    window.setObjectName("frmstatistik");
    window.setWindowTitle(toQt(model.caption));
    const QPalette palette = parent ? parent->palette() : window.palette();
    const PictureColours colours =
        pictureColours(palette.color(QPalette::Window), palette.color(QPalette::WindowText));
    const LearningStatistics& s = model.stats;
    using DrawFn =
        void (*)(QPainter&, const QRect&, const LearningStatistics&, const PictureColours&);
    const std::array<DrawFn, 5> draw = {drawBoxesNow, drawBoxesOverTime, drawReachedBox5,
                                        drawActivity, drawHitRates};

    auto* pictures = new QWidget;
    auto* grid = new QGridLayout(pictures);
    for (std::size_t i = 0; i < draw.size(); ++i) {
        auto* picture = new Picture([&s, &colours, fn = draw[i]](QPainter& p, const QRect& r) {
            p.setFont(QFont(p.font().family(), 9));
            fn(p, r, s, colours);
        });
        picture->setAccessibleName(toQt(StatisticsWindowModel::kPictures[i]));
        grid->addWidget(framed(StatisticsWindowModel::kPictures[i], picture),
                        static_cast<int>(i) / 3, static_cast<int>(i) % 3);
    }
    QTableWidget* table = problemTable(s);
    QObject::connect(table, &QTableWidget::cellDoubleClicked, [&](int row, int) {
        problemCardChosen(app, model, static_cast<std::size_t>(row));
    });
    grid->addWidget(framed(StatisticsWindowModel::kPictures[5], table), 1, 2);

    auto* save = new QPushButton(toQt(StatisticsWindowModel::kSavePicture));
    auto* close = new QPushButton(toQt(StatisticsWindowModel::kClose));
    QObject::connect(close, &QPushButton::clicked, &window, &QDialog::accept);
    QObject::connect(save, &QPushButton::clicked, [&] {
        const auto path = askPicturePath(app);
        if (path && !pictures->grab().save(toQt(*path), "PNG")) reportPictureNotSaved(app, *path);
    });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(pictures);
    layout->addLayout(buttons);
    window.resize(1180, 720);
    window.exec();
}

}  // namespace memvalo

#include "ui/statistics_pictures.h"

#include <algorithm>
#include <chrono>

#include "ui/colour_contrast.h"
#include "ui/qt_text.h"

namespace memvalo {

namespace {

constexpr int kLine = 18;  // the height of one line of numbers

QString number(int value) {
    return QString::number(value);
}

// Room for the numbers below a picture.
QRect chartArea(const QRect& r, int linesBelow) {
    return r.adjusted(4, kLine, -4, -kLine * linesBelow);
}

void text(QPainter& p, const QRect& r, const QString& s, Qt::Alignment align = Qt::AlignCenter) {
    p.drawText(r, static_cast<int>(align), s);
}

// A colour that stands out from the paper by at least `needed`.
QColor apart(const QColor& colour, const QColor& paper, double needed) {
    return readableInk(colour, {paper}, needed);
}

}  // namespace

PictureColours pictureColours(const QColor& paper, const QColor& ink) {
    PictureColours c{paper, readableInk(ink, {paper}, 4.5), {}};
    const std::array<int, 5> hues = {0, 35, 200, 120, 275};  // red, orange, blue, green, violet
    const bool dark = luminance(paper) < 0.3;
    for (std::size_t i = 0; i < hues.size(); ++i) {
        c.boxes[i] = apart(QColor::fromHsv(hues[i], 170, dark ? 230 : 190), paper, 3.0);
    }
    return c;
}

void drawBoxesNow(QPainter& p, const QRect& r, const LearningStatistics& s,
                  const PictureColours& c) {
    const QRect area = chartArea(r, 1);
    const int slot = area.width() / 5;
    for (int i = 0; i < 5; ++i) {
        const BoxFill& fill = s.boxes[static_cast<std::size_t>(i)];
        const int x = area.left() + i * slot + slot / 5;
        const QRect bar(x, area.top() + kLine, slot * 3 / 5, area.height() - kLine);
        const int filled = fill.capacity > 0
                               ? bar.height() * std::min(fill.count, fill.capacity) / fill.capacity
                               : 0;
        p.setPen(c.ink);
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar);
        p.fillRect(QRect(bar.left() + 1, bar.bottom() - filled + 1, bar.width() - 1, filled),
                   c.boxes[static_cast<std::size_t>(i)]);
        text(p, QRect(x - slot / 5, area.top(), slot, kLine),
             number(fill.count) + " / " + number(fill.capacity));
        text(p, QRect(x - slot / 5, area.bottom() + 2, slot, kLine), "Kasten " + number(i + 1));
    }
}

void drawBoxesOverTime(QPainter& p, const QRect& r, const LearningStatistics& s,
                       const PictureColours& c) {
    const QRect area = chartArea(r, 2);
    p.setPen(c.ink);
    if (s.days.empty()) {
        text(p, area, "Noch kein Tag gespeichert.");
        return;
    }
    const Day first = s.days.front().day;
    const int span = std::max(1, s.days.back().day - first);
    int most = 1;
    for (const DayCounts& d : s.days) {
        int sum = 0;
        for (int n : d.counts) sum += n;
        most = std::max(most, sum);
    }
    // Each day's stack reaches to the next saved day; a single day fills the width.
    for (std::size_t i = 0; i < s.days.size(); ++i) {
        const Day end = i + 1 < s.days.size() ? s.days[i + 1].day : s.days[i].day + 1;
        const int x0 = area.left() + area.width() * (s.days[i].day - first) / (span + 1);
        const int x1 = area.left() + area.width() * (end - first) / (span + 1);
        int base = 0;
        for (std::size_t box = 0; box < 5; ++box) {
            const int n = s.days[i].counts[box];
            const int y0 = area.bottom() - area.height() * (base + n) / most;
            const int y1 = area.bottom() - area.height() * base / most;
            p.fillRect(QRect(QPoint(x0, y0), QPoint(std::max(x0, x1 - 1), y1)), c.boxes[box]);
            base += n;
        }
    }
    p.drawRect(area);
    text(p, QRect(r.left(), r.top(), r.width(), kLine), "höchstens " + number(most) + " Karten",
         Qt::AlignLeft | Qt::AlignVCenter);
    const QRect dates(area.left(), area.bottom() + 2, area.width(), kLine);
    text(p, dates, toQt(dateText(first)), Qt::AlignLeft | Qt::AlignVCenter);
    text(p, dates, toQt(dateText(s.days.back().day)), Qt::AlignRight | Qt::AlignVCenter);
    const QRect legend(area.left(), area.bottom() + 2 + kLine, area.width() / 5, kLine);
    for (int box = 0; box < 5; ++box) {
        const QRect cell = legend.translated(box * legend.width(), 0);
        p.fillRect(QRect(cell.left(), cell.top() + 4, 10, 10),
                   c.boxes[static_cast<std::size_t>(box)]);
        text(p, cell.adjusted(14, 0, 0, 0),
             "K" + number(box + 1) + ": " +
                 number(s.days.back().counts[static_cast<std::size_t>(box)]),
             Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void drawReachedBox5(QPainter& p, const QRect& r, const LearningStatistics& s,
                     const PictureColours& c) {
    const QRect area = chartArea(r, 1);
    p.setPen(c.ink);
    if (s.reachedBox5.empty()) {
        text(p, area, "Noch keine Karte in Kasten 5.");
        return;
    }
    constexpr std::size_t kShownMonths = 24;
    const std::size_t from =
        s.reachedBox5.size() > kShownMonths ? s.reachedBox5.size() - kShownMonths : 0;
    const auto shown = static_cast<int>(s.reachedBox5.size() - from);
    int most = 1;
    for (std::size_t i = from; i < s.reachedBox5.size(); ++i)
        most = std::max(most, s.reachedBox5[i].cards);
    const int slot = area.width() / shown;
    const int labelEvery = 1 + shown / 7;
    for (int i = 0; i < shown; ++i) {
        const MonthCount& m = s.reachedBox5[from + static_cast<std::size_t>(i)];
        const int x = area.left() + i * slot;
        const int h = (area.height() - kLine) * m.cards / most;
        p.fillRect(QRect(x + 2, area.bottom() - h, std::max(1, slot - 4), h), c.boxes[4]);
        text(p, QRect(x - 10, area.bottom() - h - kLine, slot + 20, kLine), number(m.cards));
        if (i % labelEvery == 0) {
            text(p, QRect(x - 10, area.bottom() + 2, slot + 20, kLine),
                 QString("%1/%2")
                     .arg(m.month, 2, 10, QChar('0'))
                     .arg(m.year % 100, 2, 10, QChar('0')));
        }
    }
}

void drawActivity(QPainter& p, const QRect& r, const LearningStatistics& s,
                  const PictureColours& c) {
    const QRect area = chartArea(r, 3);
    const int weeks = (kActivityDays + 6) / 7 + 1;
    const int cell = std::max(3, std::min(area.width() / weeks, area.height() / 7));
    // Columns are weeks from Monday; today stands in the last one.
    const int todayWeekday = static_cast<int>(std::chrono::weekday{
                                 std::chrono::sys_days{std::chrono::days{
                                     s.today}}}.iso_encoding()) -
                             1;
    const std::array<int, 4> steps = {1, 10, 30, 100};
    const auto shade = [&](int answers) {
        if (answers == 0)
            return c.paper.lightness() > 128 ? c.paper.darker(115) : c.paper.lighter(160);
        int level = 0;
        while (level + 1 < static_cast<int>(steps.size()) &&
               answers >= steps[static_cast<std::size_t>(level + 1)])
            ++level;
        return c.boxes[3].lighter(160 - level * 25);
    };
    for (int i = 0; i < kActivityDays; ++i) {
        const int ago = kActivityDays - 1 - i;
        const int dayIndex = todayWeekday - ago;  // days from this week's Monday
        const int week = weeks - 1 + (dayIndex >= 0 ? 0 : -((-dayIndex + 6) / 7));
        const int weekday = ((dayIndex % 7) + 7) % 7;
        p.fillRect(
            QRect(area.left() + week * cell, area.top() + weekday * cell, cell - 1, cell - 1),
            shade(s.answersPerDay[static_cast<std::size_t>(i)]));
    }
    p.setPen(c.ink);
    const int below = area.top() + 7 * cell + 2;
    text(p, QRect(area.left(), below, area.width(), kLine),
         "heute " + number(s.answersPerDay.back()) + ", 7 Tage " + number(s.answers7) +
             ", 30 Tage " + number(s.answers30) + " Antworten",
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRect(area.left(), below + kLine, area.width(), kLine),
         "Lerntage in Folge: " + number(s.currentRun) + " (längste Folge: " + number(s.longestRun) +
             ")",
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRect(area.left(), below + 2 * kLine, area.width(), kLine),
         "Antworten am Tag:", Qt::AlignLeft | Qt::AlignVCenter);
    // The key has a line of its own, each step as wide as its widest number needs.
    const int step = 12 + p.fontMetrics().horizontalAdvance(QStringLiteral("100+")) + 10;
    QRect key(area.left(), below + 3 * kLine, step, kLine);
    for (int n : {0, 1, 10, 30, 100}) {
        p.fillRect(QRect(key.left(), key.top() + 4, 10, 10), shade(n));
        text(p, key.adjusted(12, 0, 0, 0), n == 100 ? "100+" : number(n),
             Qt::AlignLeft | Qt::AlignVCenter);
        key.translate(step, 0);
    }
}

void drawHitRates(QPainter& p, const QRect& r, const LearningStatistics& s,
                  const PictureColours& c) {
    const QRect area = chartArea(r, 2);
    const int slot = area.width() / 5;
    p.setPen(c.ink);
    for (std::size_t i = 0; i < 5; ++i) {
        const int x = area.left() + static_cast<int>(i) * slot;
        const std::array<HitCount, 2> hits = {s.hits30[i], s.hitsAll[i]};
        int top = area.bottom();
        for (std::size_t k = 0; k < 2; ++k) {
            const int barX = x + slot / 8 + static_cast<int>(k) * slot * 3 / 8;
            const int h = (area.height() - kLine) * hitPercent(hits[k]).value_or(0) / 100;
            const QColor colour = k == 0 ? c.boxes[i] : c.boxes[i].darker(140);
            p.fillRect(QRect(barX, area.bottom() - h, slot * 3 / 8 - 2, h), colour);
            top = std::min(top, area.bottom() - h);
        }
        const auto percent = [](const HitCount& h) {
            const auto value = hitPercent(h);
            return value ? number(*value) : QString::fromUtf8("–");
        };
        text(p, QRect(x, top - kLine, slot, kLine), percent(hits[0]) + " / " + percent(hits[1]));
        text(p, QRect(x, area.bottom() + 2, slot, kLine),
             "Kasten " + number(static_cast<int>(i) + 1));
    }
    text(p, QRect(area.left(), area.bottom() + 2 + kLine, area.width(), kLine),
         "in %: links die letzten 30 Tage, rechts insgesamt", Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace memvalo

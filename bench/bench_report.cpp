// Reads what the benchmarks wrote and prints the one table of `make bench`:
// each measured median with its goal and the verdict, as a Markdown table.
// Exits with 1 when a goal is missed, after the whole table.
//
//   bench_report RULES.json GUI.json GUI_SCALE_2.json STARTUP.json
//
// RULES.json, GUI.json and GUI_SCALE_2.json (the repaints again at Qt's scale
// factor 2) are Google Benchmark JSON outputs with repetitions (their
// "median" aggregates are read; the CPU time of the benchmark thread);
// STARTUP.json is written by bench_startup (every sample; medians are taken
// here).

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace
{

QTextStream out(stdout);

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "bench_report: %s\n", qPrintable(message));
    std::exit(1);
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject())
        fail(QStringLiteral("%1 is not a JSON object: %2").arg(path, error.errorString()));
    return document.object();
}

// The median CPU time (or, with `wallClock`, real time), in nanoseconds, of
// the benchmark whose run name starts with `name` (an "/iterations:N" or
// "/real_time" suffix is allowed).
double medianNanoseconds(const QJsonObject &results, const QString &name, bool wallClock = false)
{
    for (const QJsonValue &value : results.value(QStringLiteral("benchmarks")).toArray()) {
        const QJsonObject entry = value.toObject();
        const QString runName = entry.value(QStringLiteral("run_name")).toString();
        if (entry.value(QStringLiteral("aggregate_name")).toString() != QStringLiteral("median"))
            continue;
        if (runName != name && !runName.startsWith(name + QStringLiteral("/iterations:")) &&
            runName != name + QStringLiteral("/real_time"))
            continue;
        if (entry.contains(QStringLiteral("error_occurred")))
            fail(QStringLiteral("%1 failed: %2")
                     .arg(name, entry.value(QStringLiteral("error_message")).toString()));
        const QString unit = entry.value(QStringLiteral("time_unit")).toString();
        const double scale = unit == QStringLiteral("ms")   ? 1e6
                             : unit == QStringLiteral("us") ? 1e3
                             : unit == QStringLiteral("s")  ? 1e9
                                                            : 1.0;
        return entry.value(wallClock ? QStringLiteral("real_time") : QStringLiteral("cpu_time"))
                   .toDouble() *
               scale;
    }
    fail(QStringLiteral("no median of %1 (did it run with repetitions?)").arg(name));
}

double median(std::vector<double> values)
{
    if (values.empty())
        fail(QStringLiteral("no samples"));
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

double medianOf(const QJsonObject &startup, const QString &program, const QString &key)
{
    std::vector<double> values;
    for (const QJsonValue &value : startup.value(program).toObject().value(key).toArray())
        values.push_back(value.toDouble());
    if (values.empty())
        fail(QStringLiteral("no %1 samples of the %2").arg(key, program));
    return median(values);
}

QString duration(double nanoseconds)
{
    if (nanoseconds >= 1e6)
        return QString::number(nanoseconds / 1e6, 'f', nanoseconds >= 1e8 ? 0 : 1) +
               QStringLiteral(" ms");
    if (nanoseconds >= 1e3)
        return QString::number(nanoseconds / 1e3, 'f', nanoseconds >= 1e5 ? 0 : 1) +
               QStringLiteral(" µs");
    return QString::number(nanoseconds, 'f', 1) + QStringLiteral(" ns");
}

// Small CPU times keep their unit, so that a zero reads as such.
QString milliseconds(double nanoseconds)
{
    return QString::number(nanoseconds / 1e6, 'f', 2) + QStringLiteral(" ms");
}

QString mebibytes(double kibibytes)
{
    return QString::number(kibibytes / 1024.0, 'f', 1) + QStringLiteral(" MiB");
}

// Whether every goal verdict() was asked about is met.
bool everyGoalMet = true;

QString verdict(bool met)
{
    everyGoalMet = everyGoalMet && met;
    return met ? QStringLiteral("met") : QStringLiteral("**missed**");
}

struct Row {
    QString name;
    QString median;
    QString goal;
    QString verdict;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5)
        fail(QStringLiteral(
            "usage: bench_report RULES.json GUI.json GUI_SCALE_2.json STARTUP.json"));
    const QJsonObject rules = readJson(QString::fromLocal8Bit(argv[1]));
    const QJsonObject gui = readJson(QString::fromLocal8Bit(argv[2]));
    const QJsonObject guiScale2 = readJson(QString::fromLocal8Bit(argv[3]));
    const QJsonObject startup = readJson(QString::fromLocal8Bit(argv[4]));

    std::vector<Row> rows;
    const QString game = QStringLiteral("game");
    const QString floor = QStringLiteral("floor");

    const int runs = startup.value(QStringLiteral("runs")).toInt();
    const double gameStart = medianOf(startup, game, QStringLiteral("startup_ms")) * 1e6;
    const double floorStart = medianOf(startup, floor, QStringLiteral("startup_ms")) * 1e6;
    const double startRatio = gameStart / floorStart;
    rows.push_back(
        {QStringLiteral("Start-up to both windows shown, palette active, with a history of "
                        "100,000 games (%1 runs)")
             .arg(runs),
         duration(gameStart), QStringLiteral("≤ 1.10 × floor"),
         QStringLiteral("%1 × floor: %2")
             .arg(QString::number(startRatio, 'f', 3), verdict(startRatio <= 1.10))});
    const double resumedStart =
        medianOf(startup, QStringLiteral("resumed"), QStringLiteral("startup_ms")) * 1e6;
    const double resumedRatio = resumedStart / floorStart;
    rows.push_back(
        {QStringLiteral("Start-up with a saved game of seven rows put back (%1 runs)").arg(runs),
         duration(resumedStart), QStringLiteral("≤ 1.10 × floor"),
         QStringLiteral("%1 × floor: %2")
             .arg(QString::number(resumedRatio, 'f', 3), verdict(resumedRatio <= 1.10))});
    rows.push_back({QStringLiteral("Start-up of the floor program, same session"),
                    duration(floorStart),
                    {},
                    QStringLiteral("reference")});

    const int frameRuns = startup.value(QStringLiteral("frame_runs")).toInt();
    for (const auto &[scale, limit] : {std::pair{1, 1.10}, std::pair{2, 1.15}}) {
        const QString key = QStringLiteral("frame_ms_scale_%1").arg(scale);
        const double gameFrame = medianOf(startup, game, key) * 1e6;
        const double floorFrame = medianOf(startup, floor, key) * 1e6;
        const double frameRatio = gameFrame / floorFrame;
        rows.push_back(
            {QStringLiteral("First settled frame, scale %1 (%2 runs)").arg(scale).arg(frameRuns),
             duration(gameFrame),
             QStringLiteral("≤ %1 × floor").arg(QString::number(limit, 'f', 2)),
             QStringLiteral("%1 × floor: %2")
                 .arg(QString::number(frameRatio, 'f', 3), verdict(frameRatio <= limit))});
        rows.push_back(
            {QStringLiteral("First settled frame of the floor program, scale %1").arg(scale),
             duration(floorFrame),
             {},
             QStringLiteral("reference")});
    }

    const double gameRss = medianOf(startup, game, QStringLiteral("rss_kib"));
    const double floorRss = medianOf(startup, floor, QStringLiteral("rss_kib"));
    const double extraRss = gameRss - floorRss;
    rows.push_back({QStringLiteral("Resident memory at that point"), mebibytes(gameRss),
                    QStringLiteral("≤ floor + 3 MiB"),
                    QStringLiteral("floor %1%2: %3")
                        .arg(extraRss < 0 ? QStringLiteral("− ") : QStringLiteral("+ "),
                             mebibytes(std::abs(extraRss)), verdict(extraRss <= 3 * 1024))});
    rows.push_back({QStringLiteral("Resident memory of the floor program"),
                    mebibytes(floorRss),
                    {},
                    QStringLiteral("reference")});

    const double move = medianNanoseconds(gui, QStringLiteral("BM_MoveSevenRows/backToBack:0"));
    const double moveBackToBack =
        medianNanoseconds(gui, QStringLiteral("BM_MoveSevenRows/backToBack:1"));
    const double search = medianNanoseconds(gui, QStringLiteral("BM_SearchSevenRows"));
    const double moveRatio = move / search;
    rows.push_back({QStringLiteral("Move, seven rows scored, game lost, real views"),
                    duration(move), QStringLiteral("≤ 1.5 × search"),
                    QStringLiteral("%1 × search: %2")
                        .arg(QString::number(moveRatio, 'f', 3), verdict(moveRatio <= 1.5))});
    rows.push_back({QStringLiteral("Search alone, same boards, same state"),
                    duration(search),
                    {},
                    QStringLiteral("reference")});
    rows.push_back(
        {QStringLiteral("Move, back to back, repaints left pending"),
         duration(moveBackToBack),
         {},
         QStringLiteral("%1 × search").arg(QString::number(moveBackToBack / search, 'f', 2))});

    const double keep = medianNanoseconds(gui, QStringLiteral("BM_KeepGame"), /*wallClock=*/true);
    rows.push_back({QStringLiteral("Main thread's time per save of the game, seven rows"),
                    duration(keep), QStringLiteral("≤ 1 ms"),
                    QStringLiteral("%1 ms: %2")
                        .arg(QString::number(keep / 1e6, 'f', 3), verdict(keep <= 1e6))});
    rows.push_back(
        {QStringLiteral("The save's write itself, on its own thread"),
         duration(medianNanoseconds(gui, QStringLiteral("BM_WriteGameFile"), /*wallClock=*/true)),
         {},
         QStringLiteral("reference")});

    for (const auto &[results, scale] : {std::pair{&gui, 1}, std::pair{&guiScale2, 2}}) {
        const double coloured =
            medianNanoseconds(*results, QStringLiteral("BM_RepaintBoard/coloured:1"));
        const double empty =
            medianNanoseconds(*results, QStringLiteral("BM_RepaintBoard/coloured:0"));
        // The goal holds at scale 1; scale 2 is reported.
        const auto judged = [&](double nanoseconds) {
            return scale == 1 ? QStringLiteral("%1 ms: %2")
                                    .arg(QString::number(nanoseconds / 1e6, 'f', 3),
                                         verdict(nanoseconds <= 1e6))
                              : QStringLiteral("report");
        };
        const QString goal = scale == 1 ? QStringLiteral("≤ 1 ms") : QStringLiteral("report");
        rows.push_back(
            {QStringLiteral("Repaint of the board window, every peg coloured, scale %1").arg(scale),
             duration(coloured), goal, judged(coloured)});
        rows.push_back(
            {QStringLiteral("Repaint of the board window, every peg empty, scale %1").arg(scale),
             duration(empty), goal, judged(empty)});
    }

    const double statistics =
        medianNanoseconds(gui, QStringLiteral("BM_OpenStatistics"), /*wallClock=*/true);
    rows.push_back(
        {QStringLiteral("Statistics window open with its numbers, 100,000 games "
                        "(wall clock)"),
         duration(statistics), QStringLiteral("≤ 100 ms"),
         QStringLiteral("%1 ms: %2")
             .arg(QString::number(statistics / 1e6, 'f', 1), verdict(statistics <= 1e8))});

    const int idleSeconds = startup.value(QStringLiteral("idle_seconds")).toInt();
    const double gameIdle = medianOf(startup, game, QStringLiteral("idle_cpu_ms")) * 1e6;
    const double floorIdle = medianOf(startup, floor, QStringLiteral("idle_cpu_ms")) * 1e6;
    rows.push_back({QStringLiteral("CPU time over %1 idle seconds").arg(idleSeconds),
                    milliseconds(gameIdle), QStringLiteral("< 10 ms"), verdict(gameIdle < 1e7)});
    rows.push_back({QStringLiteral("CPU time of the floor program, same idle seconds"),
                    milliseconds(floorIdle),
                    {},
                    QStringLiteral("reference")});

    rows.push_back({QStringLiteral("Scoring one guess (rules only)"),
                    duration(medianNanoseconds(rules, QStringLiteral("BM_Score"))),
                    {},
                    {}});
    rows.push_back(
        {QStringLiteral("Search, seven rows scored, with replacement (rules only)"),
         duration(medianNanoseconds(rules, QStringLiteral("BM_SearchSevenRows/unique:0"))),
         {},
         {}});
    rows.push_back(
        {QStringLiteral("Search, seven rows scored, without replacement (rules only)"),
         duration(medianNanoseconds(rules, QStringLiteral("BM_SearchSevenRows/unique:1"))),
         {},
         {}});
    rows.push_back(
        {QStringLiteral("Every secret played by Move, with replacement (rules only)"),
         duration(medianNanoseconds(rules, QStringLiteral("BM_SweepEverySecret/unique:0"))),
         {},
         {}});
    rows.push_back(
        {QStringLiteral("Every secret played by Move, without replacement (rules only)"),
         duration(medianNanoseconds(rules, QStringLiteral("BM_SweepEverySecret/unique:1"))),
         {},
         {}});

    const Row header{QStringLiteral("benchmark"), QStringLiteral("median"), QStringLiteral("goal"),
                     QStringLiteral("ratio / verdict")};
    qsizetype widths[4] = {header.name.size(), header.median.size(), header.goal.size(),
                           header.verdict.size()};
    for (const Row &row : rows) {
        widths[0] = std::max(widths[0], row.name.size());
        widths[1] = std::max(widths[1], row.median.size());
        widths[2] = std::max(widths[2], row.goal.size());
        widths[3] = std::max(widths[3], row.verdict.size());
    }
    const auto print = [&](const Row &row) {
        out << "| " << row.name.leftJustified(widths[0]) << " | "
            << row.median.rightJustified(widths[1]) << " | " << row.goal.leftJustified(widths[2])
            << " | " << row.verdict.leftJustified(widths[3]) << " |\n";
    };
    print(header);
    out << "|" << QString(widths[0] + 2, u'-') << "|" << QString(widths[1] + 1, u'-') << ":|"
        << QString(widths[2] + 2, u'-') << "|" << QString(widths[3] + 2, u'-') << "|\n";
    for (const Row &row : rows)
        print(row);
    out.flush();
    if (!everyGoalMet) {
        std::fputs("bench_report: a goal was missed\n", stderr);
        return 1;
    }
    return 0;
}

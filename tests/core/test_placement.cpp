// Where a new timer window opens, from the screen, the windows already open
// and the scale factor, in the desktop's logical pixels.
#include "core/placement.h"

#include <QList>
#include <QTest>

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void placeWindow_data();
    void placeWindow();
};

void TestPlacement::placeWindow_data() {
    QTest::addColumn<QRect>("screen"); // the available area in device pixels
    QTest::addColumn<int>("scale");
    QTest::addColumn<QPoint>("wanted");
    QTest::addColumn<QList<QPoint>>("others"); // the top left corners of open windows
    QTest::addColumn<QPoint>("placed");

    // The first window at the top centre, further ones 292 pixels below it.
    const QRect hd(0, 0, 1920, 1080);
    const QPoint first(698, 0);
    const QPoint further(698, 292);
    const auto row = [](const char* name, QRect screen, int scale, QPoint wanted,
                        QList<QPoint> others, QPoint placed) {
        QTest::newRow(name) << screen << scale << wanted << others << placed;
    };
    row("first", hd, 1, first, {}, first);
    row("first further", hd, 1, further, {first}, further);
    row("second further", hd, 1, further, {first, further}, {722, 316});
    row("third further", hd, 1, further, {first, further, {722, 316}}, {746, 340});
    row("another process's, a pixel off", hd, 1, first, {{699, 1}}, {722, 24});
    row("a step away is free", hd, 1, further, {{722, 316}}, further);
    row("below a top panel", {0, 32, 1920, 1048}, 1, first, {}, {698, 32});
    row("right of another monitor", {1280, 0, 1920, 1080}, 1, {1978, 292}, {{1978, 292}},
        {2002, 316});
    row("past the right edge", hd, 1, {1700, 0}, {}, {1397, 0});
    // Twice the scale on 1600x1000: 800x500 logical pixels. The further window
    // moves up to fit; the next one steps past the bottom and starts at the top.
    const QRect small(0, 0, 1600, 1000);
    row("scale 2, first further", small, 2, {138, 292}, {{138, 0}}, {138, 200});
    row("scale 2, second further", small, 2, {138, 292}, {{138, 0}, {138, 200}}, {162, 0});
    row("larger than the screen", {0, 0, 800, 400}, 2, {50, 50}, {}, {0, 0});
}

void TestPlacement::placeWindow() {
    QFETCH(QRect, screen);
    QFETCH(int, scale);
    QFETCH(QPoint, wanted);
    QFETCH(QList<QPoint>, others);
    QFETCH(QPoint, placed);
    const QSize frame(523, 300); // a timer window with its title bar
    const QRect available(screen.topLeft() / scale, screen.size() / scale);
    QList<QRect> frames;
    for (const QPoint& corner : others) {
        frames.append(QRect(corner, frame));
    }
    QCOMPARE(core::placeWindow(wanted, frame, available, frames, 24), placed);
}

QTEST_GUILESS_MAIN(TestPlacement)
#include "test_placement.moc"

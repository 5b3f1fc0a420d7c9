// The trap that ends a handler at its failing step, and the event boundary
// that stops every error before the event loop.
#include "core/dispatch.h"
#include "core/errors.h"

#include <QTest>

#include <stdexcept>

using namespace core;

class TestErrors : public QObject {
    Q_OBJECT
private slots:
    void trapEndsAtTheFailingStep() {
        int steps = 0;
        const bool finished = exitOnError([&] {
            ++steps;
            raise(ErrorNumber::Overflow);
            ++steps; // never reached
        });
        QVERIFY(!finished);
        QCOMPARE(steps, 1);
        QVERIFY(exitOnError([&] { ++steps; }));
        QCOMPARE(steps, 2);
        // Only numbered runtime errors are trapped.
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 exitOnError([] { throw std::logic_error("bug"); }));
        try {
            raise(ErrorNumber::TypeMismatch);
        } catch (const RuntimeError& e) {
            QCOMPARE(e.code(), 13);
            QCOMPARE(e.number(), ErrorNumber::TypeMismatch);
        }
    }

    void eventBoundaryStopsEveryError() {
        int after = 0;
        dispatchEvent("handler", [] { raise(ErrorNumber::TypeMismatch); });
        dispatchEvent("handler", [] { throw std::logic_error("bug"); });
        dispatchEvent("handler", [] { throw 42; });
        dispatchEvent("handler", [&] { ++after; });
        QCOMPARE(after, 1);
    }
};

QTEST_APPLESS_MAIN(TestErrors)
#include "test_errors.moc"

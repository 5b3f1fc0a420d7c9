#pragma once
// The variables of one timer window. Created with the window, gone with it.
#include "types.h"

struct TimerWindowState {
    using Boolean = core::Boolean;
    using Integer = core::Integer;
    using Single = core::Single;
    using Date = core::Date;

    Single sngSWStart = 0;         // stopwatch reading at the start
    Single sngSWNow = 0;           // reading at the last refresh or at the stop
    Single sngSWCapture = 0;       // reading at the last capture
    Boolean blnSWReady = false;    // idle: the next press starts
    Boolean blnSWRunning = false;  // running
    Boolean blnSWResetDue = false; // converted: the next press resets
    Boolean blnSWStopped = false;  // stopped with seconds shown: the next press converts
    Integer intSWHours = 0;
    Integer intSWMinutes = 0;
    Integer intSWSeconds = 0;
    Integer intCapHours = 0;
    Integer intCapMinutes = 0;
    Integer intCapSeconds = 0;
    Date datCDEnd = 0;          // when the running countdown ends
    Boolean blnCDReady = false; // no countdown running
    Single sngCDLeft = 0;       // time left at the last tick, in days
    Single sngCDSeconds = 0;    // the countdown length in seconds, as last entered

    // Forgets the last conversion's hours, minutes and seconds.
    void clearConvertedParts() {
        intSWHours = intSWMinutes = intSWSeconds = 0;
        intCapHours = intCapMinutes = intCapSeconds = 0;
    }
};

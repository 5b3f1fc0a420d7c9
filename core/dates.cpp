#include "dates.h"

#include "convert.h"

namespace core {

Date addSeconds(Date date, double seconds) {
    return date + seconds / kSecondsPerDay;
}

Single differenceInDays(Date later, Date earlier) {
    return toSingle(later - earlier);
}

} // namespace core

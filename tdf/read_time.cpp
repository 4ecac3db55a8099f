// Time base and heap size: TU, TM, TS, HS.
#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

namespace {

const unsigned long largest32Bits = 0xffffffffUL;

}  // namespace

// A 64-bit value: one number, or the high and the low 32 bits as two,
// each of which must hold in 32 bits.
bool TDF::readLongValue(char** line, unsigned long* value, TDFReport failure)
{
    unsigned long high;
    if (!readOperand(line, &high, failure))
        return false;
    unsigned long low;
    if (!readNumber(line, &low)) {
        *value = high;
        return true;
    }
    if (high > largest32Bits || low > largest32Bits) {
        error(TDFReport::HexOverflow);
        error(failure);
        return false;
    }
    *value = (high << 32) | low;
    return true;
}

void TDF::readTU(char* line)
{
    timeUnitName = QString();
    timeUnit = TIME_UNIT_NONE;
    if (!readString(&line, timeUnitName, false))
        return error(TDFReport::CantReadTimeUnit);
    timeUnit = TDFTimeUnitFromName(timeUnitName);
}

void TDF::readTM(char* line)
{
    unsigned long time;
    if (!readLongValue(&line, &time, TDFReport::CantReadTime))
        return;
    currentTime = time;
    if (!firstTimeSeen) {
        firstTime = minTime = time;
        firstTimeSeen = minTimeSeen = true;
    } else if (time < minTime) {
        minTime = time;
        minTimeSeen = true;
    }
}

void TDF::readTS(char* line)
{
    if (!readLongValue(&line, &timeStep, TDFReport::CantReadTimeStep))
        return;
    if (timeStep < minTimeStep) {
        minTimeStep = timeStep;
        minTimeStepSeen = true;
    }
}

void TDF::readHS(char* line)
{
    if (!readLongValue(&line, &heapSize, TDFReport::CantReadHeapSize))
        return;
    if (heapSize > maxHeapSize)
        maxHeapSize = heapSize;
    heapSizeSeen = true;
}

// The five calculation pages, each a layout table with its compute handlers.
#pragma once

#include <span>

#include "app/control_spec.h"

namespace tessaril {

struct PageSpec {
    const char* tabText;
    // In creation order; a row's parent (a group box) comes before its children.
    std::span<const ControlSpec> controls;
};

const PageSpec& repeatabilityPage();     // page 0
const PageSpec& indicationErrorPage();   // page 1
const PageSpec& zeroSpanDriftPage();     // page 2
const PageSpec& averagePage();           // page 3
const PageSpec& commonFunctionsPage();   // page 4

// Compute handlers, attached to the "计算" buttons of the tables above.
void computeRepeatability(QWidget& window);
void computeIndicationError(QWidget& window);
void computeZeroSpanDrift(QWidget& window);
void computeSumAndMean(QWidget& window);
void computePower(QWidget& window);
void computeSquareRoot(QWidget& window);
void computeNaturalLog(QWidget& window);
void computeNaturalAntilog(QWidget& window);
void computeLogBase(QWidget& window);

}  // namespace tessaril

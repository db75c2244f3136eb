#pragma once

#include <string>

#include "platform/Surface.h"

namespace tavlo {

// A PDF document of one A4 landscape page that shows the picture as large
// as fits inside the page's margins, its pixels compressed without loss.
std::string PagePdf(const Surface& picture);

}  // namespace tavlo

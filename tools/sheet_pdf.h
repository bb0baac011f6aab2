#pragma once

#include <string>

#include "state/model.h"

// Writes the sizing data sheet of the latest calculation to a PDF file, with
// the texts the calculation window would give it; false when it could not.
bool writeSheetPdf(const nk::Model& m, const std::string& path);

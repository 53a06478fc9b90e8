// report.html: a summary table on top, then one section per script with the
// reference, graded and difference pictures side by side, the log difference
// and the verdict. One self-contained file: the pictures are data: URIs, the
// style is inline, so a browser opens it without a server.
#pragma once

#include <string>
#include <vector>

#include "grading.h"

std::string reportHtml(const GradeOptions& options, const std::vector<ScriptResult>& results);

// Bytes as base64 (RFC 4648, with padding).
std::string base64(const std::string& bytes);

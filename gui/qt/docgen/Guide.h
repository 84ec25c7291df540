#pragma once

#include <QString>

namespace corvane::qt {

// Writes the operation guide whose Markdown source is at `source` (images
// relative to it) as an A4 PDF at `out`, in the Japanese font, which the PDF
// embeds. Returns "" on success, else what went wrong; a missing image is an
// error, so that a guide never ships with a hole.
QString WriteGuidePdf(const QString& source, const QString& out);

}  // namespace corvane::qt

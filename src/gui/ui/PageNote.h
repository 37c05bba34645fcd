#pragma once
// A note on a settings page: a label whose text wraps.
class QLabel;
class QString;

namespace skelder {

QLabel* Note(const QString& text);

}  // namespace skelder

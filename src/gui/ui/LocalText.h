#pragma once
// The program's texts are bytes in the system's 8-bit code page; Qt's are Unicode. These
// two are the only crossing.
#include <QString>
#include <string>

namespace skelder {

inline QString FromLocal(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

inline std::string ToLocal(const QString& text) { return text.toLocal8Bit().toStdString(); }

}  // namespace skelder

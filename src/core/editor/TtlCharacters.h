#pragma once
// The characters of TTL words as the highlighter and the editor see them.
namespace skelder {

// "$", "%", "(", ")", "*", "+", "-", "/", the digits, "<", "=", ">", the letters, "[",
// "]" and "_": operations such as "<>" and keywords such as "$pager$" are words too.
constexpr bool IsWordChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '$' ||
         c == '%' || c == '(' || c == ')' || c == '*' || c == '+' || c == '-' || c == '/' ||
         c == '<' || c == '=' || c == '>' || c == '[' || c == ']' || c == '_';
}

// A word begins with any word character but a digit.
constexpr bool IsWordStartChar(char c) { return IsWordChar(c) && !(c >= '0' && c <= '9'); }

// The word characters in one text, as an editor control takes them.
inline constexpr const char kWordCharacters[] =
    "$%()*+-/0123456789<=>ABCDEFGHIJKLMNOPQRSTUVWXYZ[]_abcdefghijklmnopqrstuvwxyz";

}  // namespace skelder

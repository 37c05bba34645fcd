#pragma once
// What connects the product to the desktop shell: table files that open in the
// configuration program, and the tray companion started when the user logs on. Where the
// system offers neither, nothing is associated, nothing can be, and the companion is not
// started at logon.
#include <string>

namespace skelder {

class ShellIntegration {
 public:
  virtual ~ShellIntegration() = default;

  // True when files with the extension (lower case, without the dot) open in the
  // executable, exactly as Associate writes it. The first call of the process also
  // learns whether this user may write the association at all (MayAssociate); without
  // that right the answer is false.
  virtual bool IsAssociated(const std::string& /*extension*/, const std::string& /*executable*/) {
    return false;
  }
  // Whether the association can be written; false until IsAssociated has found out.
  virtual bool MayAssociate() const { return false; }
  // Both do nothing without the right to write; both tell the shell when done.
  virtual void Associate(const std::string& /*extension*/, const std::string& /*executable*/) {}
  virtual void RemoveAssociation(const std::string& /*extension*/) {}

  // True when the companion at this path (letter case counting) starts at logon.
  virtual bool RunAtLogonPresent(const std::string& /*companion*/) { return false; }
  virtual void SetRunAtLogon(bool /*on*/, const std::string& /*companion*/) {}
};

}  // namespace skelder

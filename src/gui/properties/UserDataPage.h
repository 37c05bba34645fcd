#pragma once
// The "User Data" settings page: the user's own keywords $name$, $email$, $phone$,
// $mobile$ and $pager$.
#include <QLineEdit>
#include <QWidget>

#include "core/app/Settings.h"

namespace skelder {

class UserDataPage : public QWidget {
  Q_OBJECT
 public:
  explicit UserDataPage(QWidget* parent = nullptr);

  // The page's part of the settings record into its controls, and back.
  void Show(const Settings& settings);
  void Read(Settings& settings) const;

  QLineEdit* edtName;
  QLineEdit* edtEmail;
  QLineEdit* edtPhone;
  QLineEdit* edtMobile;
  QLineEdit* edtPager;
};

}  // namespace skelder

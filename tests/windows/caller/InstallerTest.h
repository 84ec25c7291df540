#pragma once

namespace corvane::testcaller {

// The MSI with its interface: msiexec /i shows the first page, インストール
// installs and the last page says so; started again on the installed copy it
// offers 削除, and the last page says the program was removed. With
// `pictures`, each page's picture goes there (msi-*.bmp). Returns the
// number of failures.
int RunInstallerTest(const wchar_t* msi, const wchar_t* pictures);

}  // namespace corvane::testcaller

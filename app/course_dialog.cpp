#include "app/course_dialog.h"

#include "app/hiscore.h"
#include "game/model.h"
#include "res/resource.h"

static bool IsChecked(HWND dialog, int id) {
  return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The course lives only in the radio buttons; fibre is what is left.
static Course CheckedCourse(HWND dialog) {
  if (IsChecked(dialog, IDC_DIALUP)) return COURSE_DIALUP;
  if (IsChecked(dialog, IDC_ISDN)) return COURSE_ISDN;
  if (IsChecked(dialog, IDC_ADSL)) return COURSE_ADSL;
  return COURSE_FTTH;
}

static void ShowHiScoreBox(HWND dialog) {
  char text[HISCORE_REPORT_SIZE];
  FormatHiScoreReport(text);
  MessageBoxA(dialog, text, "ハイスコア表示", MB_OK | MB_ICONINFORMATION);
}

INT_PTR CALLBACK CourseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      // Always opens on dial-up, whatever was played before.
      SendDlgItemMessageA(dialog, IDC_DIALUP, BM_SETCHECK, BST_CHECKED, 0);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          EndDialog(dialog, CheckedCourse(dialog));
          return TRUE;
        case IDCANCEL:
          EndDialog(dialog, -1);
          return TRUE;
        case IDC_HISCORE:
          ShowHiScoreBox(dialog);
          return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

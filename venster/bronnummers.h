// Numbers of the program's resources and of the controls in its dialogs. Shared by the resource
// script and the C++ code, so it holds only #defines.
#pragma once

#define IDD_OVER 100
#define IDS_OVER_ZEGELAAR 101
#define IDD_VOORTGANG 103
#define IDS_BEZIG 104
#define IDI_PROGRAMMA 128
#define IDI_BLADEREN 129
#define IDD_INPAKKEN 132
#define IDD_UITPAKKEN 133
#define IDD_HOOFD 134

#define IDC_BRON 1000
#define IDC_BLADER_BRON 1001
#define IDC_VOORTGANGSBALK 1003
#define IDC_BRON_LABEL 1004
#define IDC_PROCENT 1004
#define IDC_SOORT_LABEL 1005
#define IDC_STATUS 1005
#define IDC_OVER_TEKST 1005
#define IDC_SOORT 1006
#define IDC_DOEL_LABEL 1007
#define IDC_VOOR_VERZENDING 1008
#define IDC_DOEL 1009
#define IDC_UITPAKKEN 1010
#define IDC_BLADER_DOEL 1011
#define IDC_INPAKKEN 1012

// The system menu command of the about item; the low four bits are free for the system.
#define IDM_OVER 0x0010

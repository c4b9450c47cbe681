// A test-only dialog with plain (not automatic) buttons, for the data exchange.
#pragma once

#define IDD_EXCHANGE_TEST 900

#define IDC_BOX           901
#define IDC_RADIO_A       911
#define IDC_RADIO_B       912
#define IDC_INSIDE_BOX    913
#define IDC_RADIO_C       914
#define IDC_RADIO_D       921
#define IDC_RADIO_E       922

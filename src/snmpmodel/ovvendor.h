#pragma once

// The switch's private MIB arc as a literal, so that static variable tables
// can spell their OIDs as VENDOR_ARC ".12.1.2.3".
#define OV_VENDOR_TEXT2(number) #number
#define OV_VENDOR_TEXT(number) OV_VENDOR_TEXT2(number)
#define VENDOR_ARC "1.3.6.1.4.1." OV_VENDOR_TEXT(VENDOR_ENTERPRISE)

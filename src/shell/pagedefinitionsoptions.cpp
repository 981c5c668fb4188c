#include "pagedefinitions.h"

#include "ovoptionlist.h"
#include "ovsnmpcodes.h"
#include "ovsnmpvardef.h"

// Option lists that pages of more than one menu name.

const OvOptionDef kOtherStartOptions[] = {{1, "other"}, {2, "start"}, {}};
const OvOptionList OptOtherStart(kOtherStartOptions, OvOptionList::IntegerValues);
const OvOptionDef kEnabledDisabledOptions[] = {{1, "enabled"}, {2, "disabled"}, {}};
const OvOptionList OptEnabledDisabled(kEnabledDisabledOptions, OvOptionList::IntegerValues);
const OvOptionDef kRowStatusOptions[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
    {5, "createAndWait"}, {6, "destroy"}, {}};
const OvOptionList OptRowStatus(kRowStatusOptions, OvOptionList::IntegerValues);
const OvOptionDef kNoneStartOptions[] = {{1, "none"}, {2, "start"}, {}};
const OvOptionList OptNoneStart(kNoneStartOptions, OvOptionList::IntegerValues);
const OvOptionDef kTrueFalseOptions[] = {{1, "true"}, {2, "false"}, {}};
const OvOptionList OptTrueFalse(kTrueFalseOptions, OvOptionList::IntegerValues);
const OvOptionDef kDisabled2Enabled3Options[] = {{2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList OptDisabled2Enabled3(kDisabled2Enabled3Options, OvOptionList::IntegerValues);
const OvOptionDef kActiveCreateAndGoDestroyOptions[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
const OvOptionList OptActiveCreateAndGoDestroy(kActiveCreateAndGoDestroyOptions, OvOptionList::IntegerValues);
const OvOptionDef kOtherDisabledEnabledOptions[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
const OvOptionList OptOtherDisabledEnabled(kOtherDisabledEnabledOptions, OvOptionList::IntegerValues);
const OvOptionDef kEnable2Disable3Options[] = {{2, "enable"}, {3, "disable"}, {}};
const OvOptionList OptEnable2Disable3(kEnable2Disable3Options, OvOptionList::IntegerValues);
const OvOptionDef kOtherEnableDisableOptions[] = {{1, "other"}, {2, "enable"}, {3, "disable"}, {}};
const OvOptionList OptOtherEnableDisable(kOtherEnableDisableOptions, OvOptionList::IntegerValues);

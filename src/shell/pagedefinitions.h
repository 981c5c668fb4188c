#pragma once

#include "pagecatalog.h"

class OvOptionList;

#define VENDOR_ARC_TEXT2(n) #n
#define VENDOR_ARC_TEXT(n) VENDOR_ARC_TEXT2(n)
// The switch's private MIB arc as a literal, so that OIDs below it stay static text.
#define VENDOR_ARC "1.3.6.1.4.1." VENDOR_ARC_TEXT(VENDOR_ENTERPRISE)

// Option lists that pages of more than one menu name.
extern const OvOptionList OptOtherStart;
extern const OvOptionList OptEnabledDisabled;
extern const OvOptionList OptRowStatus;
extern const OvOptionList OptNoneStart;
extern const OvOptionList OptTrueFalse;
extern const OvOptionList OptDisabled2Enabled3;
extern const OvOptionList OptActiveCreateAndGoDestroy;
extern const OvOptionList OptOtherDisabledEnabled;
extern const OvOptionList OptEnable2Disable3;
extern const OvOptionList OptOtherEnableDisable;

// Pages of the "Basic Configuration" menu.
extern const PageDefinition PdAgentManagementBasicInformation;
extern const PageDefinition PdMIBCapabilities;
extern const PageDefinition PdBasicManagement;
extern const PageDefinition PdCPUUtilization;
extern const PageDefinition PdDRAMUtilization;
extern const PageDefinition PdPortUtilization;
extern const PageDefinition PdMultipleImageManagement;
extern const PageDefinition PdConsoleModeControl;
extern const PageDefinition PdARPClearAllState;
extern const PageDefinition PdGratuitousARPManagementInfomation;
extern const PageDefinition PdGratuitousARPTable;
extern const PageDefinition PdFDBClearAllState;
extern const PageDefinition PdTrustHostTable;
extern const PageDefinition PdDeleteAllState;
extern const PageDefinition PdCurrentTime;
extern const PageDefinition PdSystemTime;
extern const PageDefinition PdSystemLogManagement;
extern const PageDefinition PdSMTPInformationTable;
extern const PageDefinition PdSMTPMailReceiverTable;
extern const PageDefinition PdCableDiagnostics;
extern const PageDefinition PdIfXTable;
extern const PageDefinition PdDot3Collisions;
extern const PageDefinition PdPingMaxConcurrentRequests;
extern const PageDefinition PdPingControlTable;
extern const PageDefinition PdPingResultsTable;
extern const PageDefinition PdPingProbeHistoryTable;
extern const PageDefinition PdTraceRouteMaxConcurrentRequests;
extern const PageDefinition PdTraceRouteControlTable;
extern const PageDefinition PdTraceRouteResultTable;
extern const PageDefinition PdTraceRouteProbeHistoryTable;
extern const PageDefinition PdTraceRouteHopsTable;
extern const PageDefinition PdSaveChanges;

// Pages of the "RMON" menu.
extern const PageDefinition PdRMONControl;
extern const PageDefinition PdProbeBasicInformation;
extern const PageDefinition PdNetConfiguration;
extern const PageDefinition PdNetDefaultGateway;

// Pages of the "Bridge" menu.
extern const PageDefinition PdBridgeInformation;
extern const PageDefinition PdDot1dPortTable;
extern const PageDefinition PdConfigurationIdentification;
extern const PageDefinition PdMSTPInstanceControl;
extern const PageDefinition PdPortStateInformation;
extern const PageDefinition PdPortMSTPInformation;

// Pages of the "VLAN" menu.
extern const PageDefinition PdDot1pBasicConfigure;
extern const PageDefinition PdDefaultUserPrioritiesOfEachPort;
extern const PageDefinition PdRegeneratedUserPriorities;
extern const PageDefinition PdUserPrioritiesToTrafficClass;
extern const PageDefinition PdPortOutboundAccessPriorities;
extern const PageDefinition PdUnicastForwardingInformation;
extern const PageDefinition PdFilteringDatabase;
extern const PageDefinition PdQinQGlobalStateSettings;
extern const PageDefinition PdQinQPortTable;
extern const PageDefinition PdVLANAdvertisementTable;
extern const PageDefinition PdVLANMultiplyManagement;

// Pages of the "SNMP V3" menu.
extern const PageDefinition PdSNMPEngine;
extern const PageDefinition PdMessageProcessingAndDispatching;
extern const PageDefinition PdTargetGeneralInformation;
extern const PageDefinition PdSNMPTargetMIBTargetAddressTable;
extern const PageDefinition PdTargetParameters;
extern const PageDefinition PdUsmStatistics;
extern const PageDefinition PdUserTable;
extern const PageDefinition PdSecurityGroupTable;
extern const PageDefinition PdAccessTable;
extern const PageDefinition PdViewMIBTreeFamilyTable;
extern const PageDefinition PdNotifyTable;
extern const PageDefinition PdNotifyFilterProfileTable;
extern const PageDefinition PdNotifyFilterEntryTable;
extern const PageDefinition PdCommunityStringTable;
extern const PageDefinition PdCommunityTargetAddressTable;

// Pages of the "Security Management" menu.
extern const PageDefinition PdAuthenticationModeSettings;
extern const PageDefinition PdDot1xConfiguration;
extern const PageDefinition PdDot1xPortTable;
extern const PageDefinition PdAuthConfiguration;
extern const PageDefinition PdAuthStatistics;
extern const PageDefinition PdAuthDiagnostics;
extern const PageDefinition PdAuthSessionStatistics;
extern const PageDefinition PdMacBasedStateTable;
extern const PageDefinition PdMacBasedSessionInformation;
extern const PageDefinition PdRADIUSControl;
extern const PageDefinition PdRADUISCommand;
extern const PageDefinition PdAuthenticationInformation;
extern const PageDefinition PdAuthenticationTable;
extern const PageDefinition PdAccountingManagementBasicInformation;
extern const PageDefinition PdAccountingServerTable;
extern const PageDefinition PdAccountingServiceTable;
extern const PageDefinition PdAACControl;
extern const PageDefinition PdAACInformation;
extern const PageDefinition PdAPPAuthMethodGroup;
extern const PageDefinition PdServerGroup;
extern const PageDefinition PdSSHManagement;
extern const PageDefinition PdAlgorithmControl;
extern const PageDefinition PdAuthenticationMethod;
extern const PageDefinition PdSafeguardGlobalManagement;
extern const PageDefinition PdIPMACBindingControl;
extern const PageDefinition PdIPMACBindingPortStateControl;
extern const PageDefinition PdIPMACBindingBlockedTable;
extern const PageDefinition PdIPMACBindingDHCPSnoopTable;
extern const PageDefinition PdDOSPreventionManagement;
extern const PageDefinition PdDOSPrevertionControlTable;

// Pages of the "Layer 2 Management" menu, LLDP aside.
extern const PageDefinition PdDeviceControl;
extern const PageDefinition PdPortInformationTable;
extern const PageDefinition PdPortControlTable;
extern const PageDefinition PdErrorPortTable;
extern const PageDefinition PdPortSecurityTrapLogState;
extern const PageDefinition PdPortSecurityControl;
extern const PageDefinition PdTrunkBasicInformation;
extern const PageDefinition PdTrunkLACPPortTable;
extern const PageDefinition PdTrunkVLANTable;
extern const PageDefinition PdQoSSchedulingMechanismControl;
extern const PageDefinition PdBandwidthControlTable;
extern const PageDefinition PdSchedulingTable;
extern const PageDefinition PdDot1pUserPriorityTable;
extern const PageDefinition PdDot1pDefaultPriorityTable;
extern const PageDefinition PdIGMPGeneralInformation;
extern const PageDefinition PdIGMPControlTable;
extern const PageDefinition PdIGMPQueryInformation;
extern const PageDefinition PdIGMPInformation;
extern const PageDefinition PdIGMPAccessAuthenticationTable;
extern const PageDefinition PdIGMPv3Table;
extern const PageDefinition PdIGMPSnoopingGroupTable;
extern const PageDefinition PdIGMPDynamicIPMulticastMaxEntry;
extern const PageDefinition PdDHCPRelayManagement;
extern const PageDefinition PdDHCPLocalRelayState;
extern const PageDefinition PdDHCPLocalRelayVLANTable;
extern const PageDefinition PdCoSPriorityTable;
extern const PageDefinition PdCoSPortPRITable;
extern const PageDefinition PdCoSMACBasePRITable;
extern const PageDefinition PdCoSToSPRITable;
extern const PageDefinition PdCoSDSCPPRITable;
extern const PageDefinition PdMulticastFilterTable;
extern const PageDefinition PdMulticastFilterPortInformationTable;
extern const PageDefinition PdMulticastFilterPortTable;
extern const PageDefinition PdMulticastFilterPortMaxGroupTable;
extern const PageDefinition PdPacketStormControl;
extern const PageDefinition PdPacketStormControlTable;
extern const PageDefinition PdACLMaskDeleteAllState;
extern const PageDefinition PdCPUFilterControl;
extern const PageDefinition PdTimeRangeACLTable;
extern const PageDefinition PdTimeRangeCPUACLTable;
extern const PageDefinition PdLoopDetectControl;
extern const PageDefinition PdLoopDetectPortTable;
extern const PageDefinition PdAggregatorTable;
extern const PageDefinition PdAggregatorPortList;
extern const PageDefinition PdMLDSnoopingManagement;
extern const PageDefinition PdMLDSnoopingControl;
extern const PageDefinition PdPoESystemControl;
extern const PageDefinition PdPoESystemInformation;
extern const PageDefinition PdPoEPortControl;
extern const PageDefinition PdPoEPortInformation;

// Pages of the LLDP pages of the "Layer 2 Management" menu.
extern const PageDefinition PdLldpConfigurationInformation;
extern const PageDefinition PdLldpAddressConfiguration;
extern const PageDefinition PdLldpStatisticsInformation;
extern const PageDefinition PdLldpTXPortTable;
extern const PageDefinition PdLldpRXPortTable;
extern const PageDefinition PdLldpLocalPortTable;
extern const PageDefinition PdLldpLocalManagementAddressTable;
extern const PageDefinition PdLldpRemoteManagementAddressTable;
extern const PageDefinition PdLldpRemoteUnknownTLVTable;
extern const PageDefinition PdDot1PortVLANTable;
extern const PageDefinition PdDot1LocalDataTable;
extern const PageDefinition PdDot1LocalVLANNameTable;
extern const PageDefinition PdDot1LocalProtocolVLANTable;
extern const PageDefinition PdDot1LocalProtocolTable;
extern const PageDefinition PdDot1RemoteDataTable;
extern const PageDefinition PdDot1RemoteVLANNameTable;
extern const PageDefinition PdDot1RemoteProtocolVLANTable;
extern const PageDefinition PdDot1RemoteProtocolTable;
extern const PageDefinition PdDot3LocalPortTable;
extern const PageDefinition PdDot3LocalPowerTable;
extern const PageDefinition PdDot3LocalMaxFrameSizeTable;
extern const PageDefinition PdDot3RemotePortTable;
extern const PageDefinition PdDot3RemotePowerTable;
extern const PageDefinition PdDot3RemoteMaxFrameSizeTable;

// Pages of the "Single IP" menu.
extern const PageDefinition PdSingleIPControl;
extern const PageDefinition PdMyInformation;
extern const PageDefinition PdCandidateSwitch;
extern const PageDefinition PdGroupInformation;
extern const PageDefinition PdNeighborSwitch;

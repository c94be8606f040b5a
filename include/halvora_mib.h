/* MIB identifiers of halvora: one constant per leaf, APS_<leaf name>, equal to the library's
 * catalogue (a test checks every one). Leaves of one table step by 0x80. Included by halvora.h. */
#ifndef HALVORA_MIB_H
#define HALVORA_MIB_H

/* dot11smt: dot11StationConfigTable */
#define APS_dot11StationID                       0x44104080u
#define APS_dot11MediumOccupancyLimit            0x44104100u
#define APS_dot11CFPollable                      0x44104180u
#define APS_dot11CFPPeriod                       0x44104200u
#define APS_dot11CFPMaxDuration                  0x44104280u
#define APS_dot11AuthenticationResponseTimeOut   0x44104300u
#define APS_dot11PrivacyOptionImplemented        0x44104380u
#define APS_dot11PowerManagementMode             0x44104400u
#define APS_dot11DesiredSSID                     0x44104480u
#define APS_dot11DesiredBSSType                  0x44104500u
#define APS_dot11OperationalRateSet              0x44104580u
#define APS_dot11BeaconPeriod                    0x44104600u
#define APS_dot11DTIMPeriod                      0x44104680u
#define APS_dot11AssociationResponseTimeOut      0x44104700u
#define APS_dot11DisassociateReason              0x44104780u
#define APS_dot11DisassociateStation             0x44104800u
#define APS_dot11DeauthenticateReason            0x44104880u
#define APS_dot11DeauthenticateStation           0x44104900u
#define APS_dot11AuthenticateFailStatus          0x44104980u
#define APS_dot11AuthenticateFailStation         0x44104A00u
#define APS_disassociateRequest                  0x44104A80u

/* dot11smt: dot11AuthenticationAlgorithmsTable */
#define APS_dot11AuthenticationAlgorithmsIndex   0x44204080u
#define APS_dot11AuthenticationAlgorithm         0x44204100u
#define APS_dot11AuthenticationAlgorithmsEnable  0x44204180u

/* dot11smt: dot11WEPDefaultKeysTable */
#define APS_dot11WEPDefaultKeyIndex              0x44304080u
#define APS_dot11WEPDefaultKeyValue              0x44304100u

/* dot11smt: dot11WEPKeyMappingsTable */
#define APS_dot11WEPKeyMappingIndex              0x44404080u
#define APS_dot11WEPKeyMappingAddress            0x44404100u
#define APS_dot11WEPKeyMappingWEPOn              0x44404180u
#define APS_dot11WEPKeyMappingValue              0x44404200u
#define APS_dot11WEPKeyMappingStatus             0x44404280u

/* dot11smt: dot11PrivacyTable */
#define APS_dot11PrivacyInvoked                  0x44504080u
#define APS_dot11WEPDefaultKeyID                 0x44504100u
#define APS_dot11WEPKeyMappingLength             0x44504180u
#define APS_dot11ExcludeUnencrypted              0x44504200u
#define APS_dot11WEPICVErrorCount                0x44504280u
#define APS_dot11WEPExcludedCount                0x44504300u
#define APS_encryptionStatus                     0x44504380u

/* dot11mac: dot11OperationTable */
#define APS_dot11MACAddress                      0x48104080u
#define APS_dot11RTSThreshold                    0x48104100u
#define APS_dot11ShortRetryLimit                 0x48104180u
#define APS_dot11LongRetryLimit                  0x48104200u
#define APS_dot11FragmentationThreshold          0x48104280u
#define APS_dot11MaxTransmitMSDULifetime         0x48104300u
#define APS_dot11MaxReceiveLifetime              0x48104380u
#define APS_dot11ManufacturerID                  0x48104400u
#define APS_dot11ProductID                       0x48104480u

/* dot11mac: dot11CountersTable */
#define APS_dot11TransmittedFragmentCount        0x48204080u
#define APS_dot11MulticastTransmittedFrameCount  0x48204100u
#define APS_dot11FailedCount                     0x48204180u
#define APS_dot11RetryCount                      0x48204200u
#define APS_dot11MultipleRetryCount              0x48204280u
#define APS_dot11FrameDuplicateCount             0x48204300u
#define APS_dot11RTSSuccessCount                 0x48204380u
#define APS_dot11RTSFailureCount                 0x48204400u
#define APS_dot11ACKFailureCount                 0x48204480u
#define APS_dot11ReceivedFragmentCount           0x48204500u
#define APS_dot11MulticastReceivedFrameCount     0x48204580u
#define APS_dot11FCSErrorCount                   0x48204600u
#define APS_dot11TransmittedFrameCount           0x48204680u
#define APS_dot11WEPUndecryptableCount           0x48204700u
#define APS_receivedFrameCount                   0x48204780u
#define APS_directedBytesTransmitted             0x48204800u
#define APS_multicastBytesTransmitted            0x48204880u
#define APS_directedBytesReceived                0x48204900u
#define APS_multicastBytesReceived               0x48204980u
#define APS_broadcastFramesTransmitted           0x48204A00u
#define APS_broadcastBytesTransmitted            0x48204A80u
#define APS_broadcastFramesReceived              0x48204B00u
#define APS_broadcastBytesReceived               0x48204B80u
#define APS_totalBytesTransmitted                0x48204C00u
#define APS_totalBytesReceived                   0x48204C80u

/* dot11mac: dot11GroupAddressesTable */
#define APS_dot11GroupAddressesIndex             0x48304080u
#define APS_dot11Address                         0x48304100u
#define APS_dot11GroupAddressesStatus            0x48304180u

/* dot11res: dot11resAttribute */
#define APS_dot11ResourceTypeIDName              0x4C104000u

/* dot11res: dot11ResourceInfoTable */
#define APS_dot11manufacturerOUI                 0x4C108081u
#define APS_dot11manufacturerName                0x4C108082u
#define APS_dot11manufacturerProductName         0x4C108083u
#define APS_dot11manufacturerProductVersion      0x4C108084u
#define APS_driverVersion                        0x4C108085u

/* dot11phy: dot11PhyOperationTable */
#define APS_dot11PHYType                         0x50104080u
#define APS_dot11CurrentRegDomain                0x50104100u
#define APS_dot11TempType                        0x50104180u
#define APS_supportedPhyModes                    0x50104200u

/* dot11phy: dot11PhyAntennaTable */
#define APS_dot11CurrentTxAntenna                0x50204080u
#define APS_dot11DiversitySupport                0x50204100u
#define APS_dot11CurrentRxAntenna                0x50204180u

/* dot11phy: dot11PhyTxPowerTable */
#define APS_dot11NumberSupportedPowerLevels      0x50304080u
#define APS_dot11TxPowerLevel1                   0x50304100u
#define APS_dot11TxPowerLevel2                   0x50304180u
#define APS_dot11TxPowerLevel3                   0x50304200u
#define APS_dot11TxPowerLevel4                   0x50304280u
#define APS_dot11TxPowerLevel5                   0x50304300u
#define APS_dot11TxPowerLevel6                   0x50304380u
#define APS_dot11TxPowerLevel7                   0x50304400u
#define APS_dot11TxPowerLevel8                   0x50304480u
#define APS_dot11CurrentTxPowerLevel             0x50304500u

/* dot11phy: dot11PhyFHSSTable */
#define APS_dot11HopTime                         0x50404080u
#define APS_dot11CurrentChannelNumber            0x50404100u
#define APS_dot11MaxDwellTime                    0x50404180u
#define APS_dot11CurrentDwellTime                0x50404200u
#define APS_dot11CurrentSet                      0x50404280u
#define APS_dot11CurrentPattern                  0x50404300u
#define APS_dot11CurrentIndex                    0x50404380u

/* dot11phy: dot11PhyDSSSTable */
#define APS_dot11CurrentChannel                  0x50504080u
#define APS_dot11CCAModeSupported                0x50504100u
#define APS_dot11CurrentCCAMode                  0x50504180u
#define APS_dot11EDThreshold                     0x50504200u

/* dot11phy: dot11PhyIRTable */
#define APS_dot11CCAWatchdogTimerMax             0x50604080u
#define APS_dot11CCAWatchdogCountMax             0x50604100u
#define APS_dot11CCAWatchdogTimerMin             0x50604180u
#define APS_dot11CCAWatchdogCountMin             0x50604200u

/* dot11phy: dot11RegDomainsSupportedTable */
#define APS_dot11RegDomainsSupportIndex          0x50704080u
#define APS_dot11RegDomainsSupportValue          0x50704100u

/* dot11phy: dot11AntennasListTable */
#define APS_dot11AntennaListIndex                0x50804080u
#define APS_dot11SupportedTxAntenna              0x50804100u
#define APS_dot11SupportedRxAntenna              0x50804180u
#define APS_dot11DiversitySelectionRx            0x50804200u

/* dot11phy: dot11SupportedDataRatesTxTable */
#define APS_dot11SupportedDataRatesTxIndex       0x50904080u
#define APS_dot11SupportedDataRatesTxValue       0x50904100u

/* dot11phy: dot11SupportedDataRatesRxTable */
#define APS_dot11SupportedDataRatesRxIndex       0x50A04080u
#define APS_dot11SupportedDataRatesRxValue       0x50A04100u

/* dot11phy: dot11PhyOFDMTable */
#define APS_dot11CurrentFrequency                0x50B04080u
#define APS_dot11TIThreshold                     0x50B04100u
#define APS_dot11FrequencyBandsSupported         0x50B04180u

/* site survey: surveyTable */
#define APS_surveySignalStrength                 0xC4104080u
#define APS_surveyScan                           0xC4104100u
#define APS_surveyBssidList                      0xC4104180u
#define APS_surveyNetworkTypes                   0xC4104200u

/* adapter state: adapterStateTable */
#define APS_adapterReady                         0xC8104080u
#define APS_linkSpeed                            0xC8104100u
#define APS_signalQuality                        0xC8104180u

/* connection: connectionTable */
#define APS_mediaConnected                       0xCC104080u
#define APS_connectionStateText                  0xCC104100u
#define APS_currentSignalStrength                0xCC104180u
#define APS_scanRequest                          0xCC104200u
#define APS_bssidList                            0xCC104280u
#define APS_radioEnabled                         0xCC104300u
#define APS_powerMode                            0xCC104380u
#define APS_currentBssid                         0xCC104400u
#define APS_statisticsBlock                      0xCC104480u
#define APS_preambleMode                         0xCC104500u
#define APS_powerSaveLevel                       0xCC104580u
#define APS_authenticationMode                   0xCC104600u

/* chipset-private: atherosPrivateTable */
#define APS_athPrivateFlag                       0xD0104080u
#define APS_athEncryptionAlg                     0xD0104100u
#define APS_athPrivateStatus                     0xD0104180u
#define APS_rawOidRequest                        0xD0104200u
#define APS_athNetBand                           0xD0104280u
#define APS_athAdHocBand                         0xD0104300u
#define APS_athProfileWrite                      0xD0104380u
#define APS_athKeyClear                          0xD0104400u
#define APS_athLeapEnabled                       0xD0104480u
#define APS_athCardConfigId                      0xD0104500u
#define APS_athScanType                          0xD0104580u
#define APS_athShortPreamble                     0xD0104600u
#define APS_athStringRequest                     0xD0104680u
#define APS_athLeapTimeout                       0xD0104700u
#define APS_athPrivateCounter                    0xD0104780u
#define APS_athPrivateBlock                      0xD0104800u
#define APS_athWmmEnabled                        0xD0104880u

/* chipset-private: prismPrivateTable */
#define APS_prismNetworkType                     0xD0204080u
#define APS_prismTxRate                          0xD0204100u
#define APS_prismTallyBlock                      0xD0204180u
#define APS_prismScanRecords                     0xD0204200u

/* chipset-private: broadcomPrivateTable */
#define APS_bcmAfterburner                       0xD0404080u
#define APS_bcmXpressTechnology                  0xD0404100u

/* chipset-private: ralinkPrivateTable */
#define APS_rtTxBurst                            0xD0504080u
#define APS_rtTurboRate                          0xD0504100u
#define APS_rtPrivateValue1                      0xD0504180u
#define APS_rtPrivateValue2                      0xD0504200u
#define APS_rtWmmCapable                         0xD0504280u
#define APS_rtApsdCapable                        0xD0504300u
#define APS_rtPspXlink                           0xD0504380u

#endif /* HALVORA_MIB_H */

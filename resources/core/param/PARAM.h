// PARAM.h
// Parameter codes of the Velmar module, shared by the firmware and the
// configuration program. One parameter per #define; blocks have a first
// code (name ending in I) and a last code written as first code +N.
// Record fields of a block are separated by ';' unless stated.

#ifndef __PARAM_H
#define __PARAM_H

// ---- Identification and general ------------------------------------
#define _uniXipID_ 0x0101	// Unique identifier of the microcontroller, read-only
#define _idEmpres_ 0x0102	// Installation: company. Format: text
#define _idInstal_ 0x0103	// Installation: installer. Format: text
#define _idRefere_ 0x0104	// Installation: reference. Format: text
#define _gsNumTel_ 0x0105	// Telephone number of the module. Format: +34600000000
#define _idFunAct_ 0x0106	// Parts switched on, GPRS ADSL COM E/S. Format: 1011
#define _gsSmsPas_ 0x0108	// Password for access by SMS. Format: text
#define _actAutom_ 0x0110	// Automatic update. Format: 1 (default) or 0
#define _codiProg_ 0x0111	// Programming access code. Format: text
#define _franjaUT_ 0x0120	// Time zone, hours from UTC. Format: +01,29 (default)

// ---- Ethernet (ADSL) -------------------------------------------------
#define _adsMacAd_ 0x0200	// MAC address, read-only. Format: 00:04:A3:00:00:00
#define _adsHosNa_ 0x0201	// Host name. Format: text
#define _dhcpEnab_ 0x0211	// Address by DHCP (1) or static (0)
#define _noDhIpAd_ 0x0212	// Static IP address. Format: 192.168.1.100
#define _noDhMask_ 0x0213	// Static network mask. Format: 255.255.255.0
#define _noDhGate_ 0x0214	// Static gateway. Format: 192.168.1.1
#define _noDhPdns_ 0x0215	// Static primary DNS. Format: 8.8.8.8
#define _noDhSdns_ 0x0216	// Static secondary DNS. Format: 8.8.4.4

// ---- MQTT server ------------------------------------------------------
#define _mqttIpAd_ 0x0301	// Server address, empty in VPN mode. Format: IP or host name
#define _mqttPort_ 0x0302	// Server port. Format: 1883
#define _mqttPoTc_ 0x0303	// Secondary port, converted to MQTT by the server
#define _mqttUser_ 0x0304	// User name. Format: text
#define _mqttPass_ 0x0305	// Password. Format: text
#define _mqttKeAl_ 0x0306	// Keep-alive interval. Format: 60
#define _vpnEnabl_ 0x0309	// VPN enabled. Format: 1 or 0

// ---- Receiving centre (CRA) -----------------------------------------
#define _craSport_ 0x1001	// Local UDP port towards the receiving centre
#define _craTPoll_ 0x1010	// Polling interval, minutes. Format: 5
#define _cra1IpAd_ 0x1101	// Receiving centre 1 address (1101-1102, 2 at 1103-1104)
#define _cra2IpAd_ 0x1102	// Receiving centre address, second path
#define _cra1Port_ 0x1111	// Receiving centre 1 port (1111-1112, 2 at 1113-1114)
#define _cra2Port_ 0x1112	// Receiving centre port, second path
#define _cra1Abon_ 0x1121	// Subscriber number (1121-1122, 2 at 1123-1124). Format: 1234
#define _cra2Abon_ 0x1122	// Subscriber number, second path
#define _craOpcio_ 0x1131	// Contact ID also sent to the app. One record. Format: 1
#define _craHexad_ 0x1132	// Contact ID codes decimal (0) or hexadecimal (1)
#define _BlBcOpci_ 0x1141	// Contact ID of the panel event list also to the app. Format: 1

// ---- RS-232 port to the panel --------------------------------------
#define  _BlRsBauI_ 0x1500	// Baud rate and parity. Format: 19200,n
#define  _BlRsBauI_ 0x1500	// Baud rate and parity. Format: 19200,n
#define _comCiExt_ 0x1590	// Type of panel attached to the port. Format: number

// ---- E-mail ---------------------------------------------------------
#define _smtpIpAd_ 0x2001	// SMTP server address. Format: IP or host name
#define _smtpPort_ 0x2002	// SMTP server port. Format: 25
#define _smtpUser_ 0x2003	// SMTP user name
#define _smtpPass_ 0x2004	// SMTP password
#define _mailFrom_ 0x2101	// Sender of the e-mails. Format: equipo@dominio.es
#define _mailSubj_ 0x2102	// Subject of the e-mails. Format: text

// ---- Inputs, destinations, outputs, system ---------------------------
#define _BlEnOpsI_ 0x3001	// 16 inputs. Format: activation delay;restore delay;NO;alias
#define _BlEnOpsF_ 0x3001+15      // last input
#define _BlDsEmaI_ 0x3101	// 4 e-mail destinations. Format: text
#define _BlDsEmaF_ 0x3101+3      // last e-mail destination
#define _BlDsSmsI_ 0x3111	// 4 SMS destinations. Format: +34600000000;+34600000001
#define _BlDsSmsF_ 0x3111+3      // last SMS destination
#define _BlEnTxtI_ 0x3201	// 16 inputs, notification. Format: 1;0;1;1130;Alarma/Restauración
#define _BlEnTxtF_ 0x3201+15      // last input notification
#define _BlSoOpsI_ 0x3301	// 4 outputs, system causes. Format: 0100000000
#define _BlSoOpsF_ 0x3301+3      // last output causes
#define _BlSoEntI_ 0x3311	// 4 outputs, inputs. Format: 0;1000000000000000
#define _BlSoEntF_ 0x3311+3      // last output inputs
#define _BlSoTmpI_ 0x3321	// 4 outputs, times. Format: 0;5;5;0;Sirena
#define _BlSoTmpF_ 0x3321+3      // last output times
#define _BlSoTxtI_ 0x3401	// 4 outputs, notification. Format: 1;0;0;;Salida activa/Salida en reposo
#define _BlSoTxtF_ 0x3401+3      // last output notification
#define _BlSiOpsI_ 0x3502	// Test (3502): 24;08:00;Test. Tamper, power: 1;0;2;2;0;Tamper
#define _BlSiOpsF_ 0x3502+2      // power supply supervisor
#define _BlSiInic_ 0x3601	// Start of the module, notification. Format: 1;0;0;1305;Inicio
#define _BlSiTxtI_ 0x3602	// Test, tamper, power, loss of GSM ADSL CRA server COM. Format: 1;1;0;1602;Test
#define _BlSiTxtF_ 0x3602+7      // loss of COM

// ---- Door buttons -----------------------------------------------------
#define _BlB1Alie_ 0x4001	// Button 1 name. Format: Puerta principal
#define _BlB2Alie_ 0x4002	// Button 2 name
#define _BlB3Alie_ 0x4003	// Button 3 name
#define _BlB4Alie_ 0x4004	// Button 4 name
#define _BlB1FunI_ 0x4010	// Button 1, one record per output. Format: 1;3;10;5
#define _BlB1FunF_ 0x4010+3      // button 1, output 4
#define _BlB2FunI_ 0x4014	// Button 2, one record per output
#define _BlB2FunF_ 0x4014+3      // button 2, output 4
#define _BlB3FunI_ 0x4018	// Button 3, one record per output
#define _BlB3FunF_ 0x4018+3      // button 3, output 4
#define _BlB4FunI_ 0x401C	// Button 4, one record per output
#define _BlB4FunF_ 0x401C+3      // button 4, output 4
#define _BlB1Temp_ 0x4040	// Button 1 opening;open;closing times. Format: 5;10;5
#define _BlB2Temp_ 0x4041	// Button 2 times
#define _BlB3Temp_ 0x4042	// Button 3 times
#define _BlB4Temp_ 0x4043	// Button 4 times

// ---- GSM and supervision ---------------------------------------------
#define _gsPinSim_ 0x6600	// PIN of the SIM card. Format: 1234
#define _scTemOps_ 0x6855	// Initial time before a loss of communication is reported
#define _scTemTxt_ 0x6856	// Loss notification. Format: 1;0;0;Fallo/Restauración
#define _scTemCid_ 0x6857	// Contact ID code sent on that loss

// ---- Mobile operators ------------------------------------------------
#define _BlOpTelI_ 0x8501	// 16 operators. Format: Movistar;movistar.es;MOVISTAR;MOVISTAR
#define _BlOpTelF_ 0x8501+15      // last operator

// ---- Panel programming, shared codes (the attached panel owns them) --
#define _BlRsBauA_ 0x1500	// Aguilera / Avenar port. Format: 38400,e
#define _BlRsBauB_ 0x1500	// BC600/216 port. Format: 9600,n
#define _BlRsBauC_ 0x1500	// Cofem, Detnov, CCD-100, JadeBird port. Format: 9600,n
#define _BlRsBauD_ 0x1500	// AD300 port. Format: 19200,n
#define _BlRsBauS_ 0x1500	// Syncro / Supra port. Format: 19200,n
#define _BlRsBauU_ 0x1500	// Urano port. Format: 9600,n
#define _BlRsBauZ_ 0x1500	// Zafir port. Format: 9600,n
#define _BlRsBau6_ 0x1500	// AD600 port. Format: 9600,n
#define _BlRsBauc_ 0x1500	// C-Tec port. Format: 9600,n
#define _BlRsBaum_ 0x1500	// MA-2000 port. Format: 9600,n

// Aguilera
#define _BlAgFitx_ 0x9000	// Zone file name. Format: zonas.txt
#define _BlAgTxtI_ 0x9001	// Events of the bridged panel. Format: 1;0;0;1110;Alarma
#define _BlAgTxtF_ 0x9001+8      // ground fault
#define _BlAgZonI_ 0x9101	// Zone list, 1000 records. Format: 1110;Zona 1
#define _BlAgZonF_ 0x9101+999      // last zone

// Event-list file names
#define _BlBcFitx_ 0x9500	// BC600/216 event file. Format: eventos.txt
#define _BlClFitx_ 0x9500	// Cofem event file
#define _BlSyFitx_ 0x9500	// Syncro event file
#define _BlAvFitx_ 0x9500	// Avenar event file
#define _BlAdFitx_ 0x9500	// AD300 event file
#define _BlZaFitx_ 0x9500	// Zafir event file
#define _BlSuFitx_ 0x9500	// Supra event file
#define _BlIDFitx_ 0x9500	// ID3000 event file
#define _BlCcFitx_ 0x9500	// CCD-100 event file
#define _Bl60Fitx_ 0x9500	// AD600 event file
#define _BlctFitx_ 0x9500	// C-Tec event file
#define _BlmoFitx_ 0x9500	// MA-2000 event file

// Event-kind records. Format: 245:0;1;0;63100112;Sirena activa/Sirena parada
#define _BlBcTxtI_ 0x9601	// BC600/216 events
#define _BlBcTxtF_ 0x9601+254      // BC600/216 last event
#define _BlSyTxtI_ 0x9601	// Syncro events
#define _BlAvTxtI_ 0x9601	// Avenar events
#define _BlIDTxtI_ 0x9601	// ID3000 events
#define _Bl60TxtI_ 0x9601	// AD600 events
#define _Bl60TxtF_ 0x9601+73      // AD600 last event
#define _BlctTxtI_ 0x9601	// C-Tec events
#define _BlmoTxtI_ 0x9601	// MA-2000 events

// Panel event records. Format: 1;1;0;1110;Alarma pulsador/Fin alarma
#define _BlClTxtI_ 0x9701	// Cofem events
#define _BlClTxtF_ 0x9701+29	// Cofem last event
#define _BlAdTxtI_ 0x9701	// AD300 events, with event kind
#define _BlAdTxtF_ 0x9701+48      // AD300 last event
#define _BlZaTxtI_ 0x9701	// Zafir events
#define _BlZaTxtF_ 0x9701+49	// Zafir last event

// Address of the peripheral on the panel bus. Format: 0A
#define _BlClAdre_ 0x9750	// Cofem
#define _BlAdAdre_ 0x9750	// AD300
#define _BlZaAdre_ 0x9750	// Zafir
#define _BlIDAdre_ 0x9750	// ID3000
#define _Bl60Adre_ 0x9750	// AD600
#define _BlctAdre_ 0x9750	// C-Tec
#define _BlmoAdre_ 0x9750	// MA-2000

// Panel event records after the address. Format: 1;1;0;1110;Alarma/Fin
#define _BlUrTxtI_ 0x9761	// Urano events
#define _BlUrTxtF_ 0x9761+10	// Urano last event
#define _BlSuTxtI_ 0x9761	// Supra events, with event kind
#define _BlSuTxtF_ 0x9761+49      // Supra last event
#define _BlCcTxtI_ 0x9761	// CCD-100 events, with event kind

// The same blocks seen from the pages that share them
#define _BlIDTxtI_ 0x9601	// MA-2000 and PL-1000 pages use the ID3000 block
#define _BlIDFitx_ 0x9500	// MA-2000 and PL-1000 event file
#define _BlIDAdre_ 0x9750	// MA-2000, PL-1000 and JadeBird address
#define _BlCcTxtI_ 0x9761	// JadeBird page uses the CCD-100 block
#define _BlCcFitx_ 0x9500	// JadeBird event file

#endif // __PARAM_H

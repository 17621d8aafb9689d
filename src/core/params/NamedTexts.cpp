#include "core/params/NamedTexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <iterator>

namespace velmar {

namespace {

struct NamedText {
    const char *name;
    const char *text; // Spanish source text, translated at lookup
};

// The module's message texts (txt_) first, then the event texts of the
// panel adapters (rs). Blanks at either end are part of the texts.
const NamedText kNamedTexts[] = {
    {"txt_HarIniSys", QT_TRANSLATE_NOOP("NamedTexts", "Inicio del sistema")},
    {"txt_HarGenRst", QT_TRANSLATE_NOOP("NamedTexts", "Se ha generado un Reset de soft")},
    {"txt_HarHanErr1", QT_TRANSLATE_NOOP("NamedTexts", "Error 0x01")},
    {"txt_HarHanErr2", QT_TRANSLATE_NOOP("NamedTexts", "Error 0x02")},
    {"txt_HarFault", QT_TRANSLATE_NOOP("NamedTexts", "Fallo de hard")},
    {"txt_FlashWrite", QT_TRANSLATE_NOOP("NamedTexts", "Grabando los parámetros en la Flash")},
    {"txt_FlashRead", QT_TRANSLATE_NOOP("NamedTexts", "Leyendo los parámetros de la Flash")},
    {"txt_EnvTest", QT_TRANSLATE_NOOP("NamedTexts", "Test periódico")},
    {"txt_EnvAddCra", QT_TRANSLATE_NOOP("NamedTexts", "Se añade envio a la CRA: ")},
    {"txt_EnvAddMqtt", QT_TRANSLATE_NOOP("NamedTexts", "Se añade envio al servidor:")},
    {"txt_EnvAddEma", QT_TRANSLATE_NOOP("NamedTexts", "Se añade envio de e-mail: ")},
    {"txt_EnvAddSms", QT_TRANSLATE_NOOP("NamedTexts", "Se añade envio de SMS: ")},
    {"txt_EnvMqTimEr", QT_TRANSLATE_NOOP("NamedTexts", "Error al actualizar el tiempo del servidor")},
    {"txt_EnvMqTimOk", QT_TRANSLATE_NOOP("NamedTexts", "Tiempo del servidor actualizado")},
    {"txt_EnvMqComOk", QT_TRANSLATE_NOOP("NamedTexts", "Comando enviado")},
    {"txt_ComUni", QT_TRANSLATE_NOOP("NamedTexts", "COM no inicializado")},
    {"txt_ComIni", QT_TRANSLATE_NOOP("NamedTexts", "COM inicializado")},
    {"txt_ComSeHex", QT_TRANSLATE_NOOP("NamedTexts", "Envia Hexa por COM: ")},
    {"txt_ComSeStr", QT_TRANSLATE_NOOP("NamedTexts", "Envia String por COM: ")},
    {"txt_GprsUni", QT_TRANSLATE_NOOP("NamedTexts", "Módulo GPRS no inicializado")},
    {"txt_GprsIni", QT_TRANSLATE_NOOP("NamedTexts", "Módulo GPRS inicializado")},
    {"txt_GprsOn", QT_TRANSLATE_NOOP("NamedTexts", "Se enciende el módulo GPRS")},
    {"txt_GprsOff", QT_TRANSLATE_NOOP("NamedTexts", "Se apaga el módulo GPRS")},
    {"txt_GprsSendBy", QT_TRANSLATE_NOOP("NamedTexts", "Envío por GPRS: ")},
    {"txt_GprsRecStr", QT_TRANSLATE_NOOP("NamedTexts", "SRING recibido")},
    {"txt_GprsRecBuf", QT_TRANSLATE_NOOP("NamedTexts", "Recibido por GPRS: ")},
    {"txt_GprsNotDns", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: No se puede resolver el DNS")},
    {"txt_GprsTimOut", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: Socket abierto demasiado tiempo")},
    {"txt_GprsOppErr", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: Error de socket")},
    {"txt_GprsTimErr", QT_TRANSLATE_NOOP("NamedTexts", "Error al actualizar el tiempo del GPRS")},
    {"txt_GprsTimUpd", QT_TRANSLATE_NOOP("NamedTexts", "Tiempo del GPRS actualizado")},
    {"txt_GprsModDet", QT_TRANSLATE_NOOP("NamedTexts", "Módulo GPRS detectado")},
    {"txt_GprsMisPin", QT_TRANSLATE_NOOP("NamedTexts", "Falta el PIN")},
    {"txt_GprsLooSim", QT_TRANSLATE_NOOP("NamedTexts", "Buscando la SIM")},
    {"txt_GprsSimRdy", QT_TRANSLATE_NOOP("NamedTexts", "SIM y PIN correctos")},
    {"txt_GprsReady", QT_TRANSLATE_NOOP("NamedTexts", "Módulo GPRS preparado")},
    {"txt_GprsConn", QT_TRANSLATE_NOOP("NamedTexts", "Conexión GPRS creada")},
    {"txt_GprsSenCraClr", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: Envío a la CRA (borrado): ")},
    {"txt_GprsSenCra", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: Envío a la CRA: ")},
    {"txt_GprsEmaSe", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: E-mail enviado: ")},
    {"txt_GprsEmaSeClr", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: E-mail enviado (borrado):")},
    {"txt_GprsSmsSe", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: SMS enviado: ")},
    {"txt_GprsSmsSeClr", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: SMS enviado (borrado):")},
    {"txt_GprsSmsRec", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: SMS recibido")},
    {"txt_GprsMqSetBidi", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: Entrada en bidireccional con la Central")},
    {"txt_GprsMqOutBidi", QT_TRANSLATE_NOOP("NamedTexts", "GPRS: Salida de bidireccional con la Central")},
    {"txt_EthNetUni", QT_TRANSLATE_NOOP("NamedTexts", "Ethernet desactivado")},
    {"txt_EthNetIni", QT_TRANSLATE_NOOP("NamedTexts", "Ethernet activado")},
    {"txt_EthLinDow", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: LinkDown")},
    {"txt_EthLinUp", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: LinkUp")},
    {"txt_EthLinMbFu", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: 10 MBit/Full")},
    {"txt_EthLinNegErr", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Error de negociación")},
    {"txt_EthNetDhcp", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: DhcpAddress")},
    {"txt_EthRecUdp", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Respuesta recibida de la CRA: ")},
    {"txt_EthOpSock", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Socket abierto a la CRA")},
    {"txt_EthCloSock", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Socket cerrado a la CRA")},
    {"txt_EthNotDns", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Resolviendo DNS...")},
    {"txt_EthSenCraClr", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Envío a la CRA (borrado): ")},
    {"txt_EthSenCra", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Envío a la CRA: ")},
    {"txt_EthMqBegin", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Inicio de la conexión con el servidor")},
    {"txt_EthMqConect", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Conectado a la red")},
    {"txt_EthMqClCone", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Conectado al servidor")},
    {"txt_EthMqSubSs", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Suscrito al servidor")},
    {"txt_EthMqSubSc", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Suscrito al servidor")},
    {"txt_EthMqClErr", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Error de conexión con el servidor")},
    {"txt_EthMqNetErr", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Error de conexión a la red")},
    {"txt_EthMqYieErr", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Error de respuesta del servidor")},
    {"txt_EthMqSenPub", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Envío al servidor")},
    {"txt_EthSenEmaClr", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Envío de e-mail (borrado): ")},
    {"txt_EthSenEma", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Envío de e-mail: ")},
    {"txt_EthMqSetBidi", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Entrada en bidireccional con la Central")},
    {"txt_EthMqOutBidi", QT_TRANSLATE_NOOP("NamedTexts", "ADSL: Salida de bidireccional con la Central")},
    {"txt_EsUni", QT_TRANSLATE_NOOP("NamedTexts", "E/S no inicializadas")},
    {"txt_EsIni", QT_TRANSLATE_NOOP("NamedTexts", "E/S inicializadas")},
    {"txt_EsEntDisp", QT_TRANSLATE_NOOP("NamedTexts", "Entrada disparada: ")},
    {"txt_EsEntRest", QT_TRANSLATE_NOOP("NamedTexts", "Entrada restaurada: ")},
    {"txt_EsSorDisp", QT_TRANSLATE_NOOP("NamedTexts", "Salida disparada: ")},
    {"txt_EsSorRest", QT_TRANSLATE_NOOP("NamedTexts", "Salida restaurada: ")},
    {"txt_SorNoper", QT_TRANSLATE_NOOP("NamedTexts", "No se permite modificar la salida: ")},
    {"txt_EsSistDisp", QT_TRANSLATE_NOOP("NamedTexts", "Pérdida de ")},
    {"txt_EsSistRest", QT_TRANSLATE_NOOP("NamedTexts", "Recuperado ")},
    {"txt_EsTampDisp", QT_TRANSLATE_NOOP("NamedTexts", "Tamper disparado")},
    {"txt_EsAlimRest", QT_TRANSLATE_NOOP("NamedTexts", "Alimentación recuperada")},
    {"txt_EsAlimDisp", QT_TRANSLATE_NOOP("NamedTexts", "Alimentación baja")},
    {"txt_EsTampRest", QT_TRANSLATE_NOOP("NamedTexts", "Tamper restaurado")},
    {"txt_BcLost", QT_TRANSLATE_NOOP("NamedTexts", "Se ha perdido la comuniación con la Central")},
    {"txt_BcCheErr", QT_TRANSLATE_NOOP("NamedTexts", "ERROR de Checksum")},
    {"txt_BcAnswer", QT_TRANSLATE_NOOP("NamedTexts", "La Central responde")},
    {"txt_BcDataRec", QT_TRANSLATE_NOOP("NamedTexts", "Datos recibidos: ")},
    {"txt_AgComand", QT_TRANSLATE_NOOP("NamedTexts", "Envia comando a la Central: ")},
    {"txt_AgTeleco", QT_TRANSLATE_NOOP("NamedTexts", "Comando de Telecontrol: ")},
    {"txt_AgLost", QT_TRANSLATE_NOOP("NamedTexts", "Pérdida de comunicación con la Central")},
    {"txt_AgAnswer", QT_TRANSLATE_NOOP("NamedTexts", "Recuperación de comunicación con la Central")},
    {"txt_AgCheErr", QT_TRANSLATE_NOOP("NamedTexts", "ERROR de cheksum")},
    {"txt_AgReciv", QT_TRANSLATE_NOOP("NamedTexts", "Recibido de la Central: ")},
    {"txt_AgRecivBidi", QT_TRANSLATE_NOOP("NamedTexts", "Bireccional recibido de la Central: ")},
    {"txt_AgPasoPrueb", QT_TRANSLATE_NOOP("NamedTexts", "paso a Pruebas z.")},
    {"txt_AgFinPrueb", QT_TRANSLATE_NOOP("NamedTexts", "fin de pruebas z.")},
    {"txt_AgPasoAlarm", QT_TRANSLATE_NOOP("NamedTexts", "paso a Alarma z.")},
    {"txt_AgFinAlarm", QT_TRANSLATE_NOOP("NamedTexts", "fin de alarma z.")},
    {"txt_AgPasoAver", QT_TRANSLATE_NOOP("NamedTexts", "paso a Averia z.")},
    {"txt_AgFinAver", QT_TRANSLATE_NOOP("NamedTexts", "fin de averia z.")},
    {"txt_AgPasoDesc", QT_TRANSLATE_NOOP("NamedTexts", "paso a Desconexion z.")},
    {"txt_AgFinDesc", QT_TRANSLATE_NOOP("NamedTexts", "fin de desconexion z.")},
    {"txt_AgPerCent", QT_TRANSLATE_NOOP("NamedTexts", "Fallo de comunicación entre interface y Central")},
    {"txt_AgRecCent", QT_TRANSLATE_NOOP("NamedTexts", "Recuperación de comunicación entre interface y Central")},
    {"txt_CoComand", QT_TRANSLATE_NOOP("NamedTexts", "Envía comando de usuario a la Central")},
    {"txt_CoReciv", QT_TRANSLATE_NOOP("NamedTexts", "Recibido de Central:")},
    {"txt_CoLost", QT_TRANSLATE_NOOP("NamedTexts", "Sin comunicación con la Central")},
    {"txt_CoAnswer", QT_TRANSLATE_NOOP("NamedTexts", "Respuesta Central")},
    {"txt_CoCheErr", QT_TRANSLATE_NOOP("NamedTexts", "Checksum ERROR")},
    {"txt_CoPasoAlaDet", QT_TRANSLATE_NOOP("NamedTexts", "Paso a Alarma Detector z.")},
    {"txt_CoFinAlaDet", QT_TRANSLATE_NOOP("NamedTexts", "Fin de alarma Detector z.")},
    {"txt_CoPasoAlaPu", QT_TRANSLATE_NOOP("NamedTexts", "Paso a Alarma Pulsador z.")},
    {"txt_CoFinAlaPu", QT_TRANSLATE_NOOP("NamedTexts", "Fin de alarma Pulsador z.")},
    {"txt_CoPasoAver", QT_TRANSLATE_NOOP("NamedTexts", "Paso a Averia z.")},
    {"txt_CoFinAver", QT_TRANSLATE_NOOP("NamedTexts", "Fin de averia z.")},
    {"txt_CoPasoDesc", QT_TRANSLATE_NOOP("NamedTexts", "Paso a Desconexion z.")},
    {"txt_CoFinDesc", QT_TRANSLATE_NOOP("NamedTexts", "Fin de desconexion z.")},
    {"txt_CoPasoPrueb", QT_TRANSLATE_NOOP("NamedTexts", "Paso a Pruebas z.")},
    {"txt_CoFinPrueb", QT_TRANSLATE_NOOP("NamedTexts", "Fin de pruebas z.")},
    {"txt_CoPasoPruebAla", QT_TRANSLATE_NOOP("NamedTexts", "Paso a Alarma en Pruebas z.")},
    {"txt_CoFinPruebAla", QT_TRANSLATE_NOOP("NamedTexts", "Fin de alarma en Pruebas z.")},
    {"txt_CoDisp220", QT_TRANSLATE_NOOP("NamedTexts", "Fallo 220V")},
    {"txt_CoRest220", QT_TRANSLATE_NOOP("NamedTexts", "Recuperado 220V")},
    {"txt_CoDispBat", QT_TRANSLATE_NOOP("NamedTexts", "Fallo Bateria")},
    {"txt_CoRestBat", QT_TRANSLATE_NOOP("NamedTexts", "Recuperado Bateria")},
    {"rsZAlarmaSensor", QT_TRANSLATE_NOOP("NamedTexts", "Alarma sensor")},
    {"rsZAlarmaTec", QT_TRANSLATE_NOOP("NamedTexts", "Alarma técnica")},
    {"rsZAlarmaEsclau", QT_TRANSLATE_NOOP("NamedTexts", "Alarma detector Esclavo")},
    {"rsZAlarmaTemp", QT_TRANSLATE_NOOP("NamedTexts", "Alarma temperatura")},
    {"rsZAlarmaFum", QT_TRANSLATE_NOOP("NamedTexts", "Alarma humo")},
    {"rsZAlarmaPolEsc", QT_TRANSLATE_NOOP("NamedTexts", "Alarma pulsador Esclavo")},
    {"rsZAlarmaPol", QT_TRANSLATE_NOOP("NamedTexts", "Alarma pulsador (Call Point)")},
    {"rsZAlarmaPol2", QT_TRANSLATE_NOOP("NamedTexts", "Alarma pulsador Exterior")},
    {"rsZAlarmaProvaInc", QT_TRANSLATE_NOOP("NamedTexts", "Alarma prueba incendio")},
    {"rsZAlarmaProvaNoConf", QT_TRANSLATE_NOOP("NamedTexts", "Alarma prueba no configurado")},
    {"rsZAvComRepe", QT_TRANSLATE_NOOP("NamedTexts", "Avería comunicación repetidora")},
    {"rsZAvComCentral", QT_TRANSLATE_NOOP("NamedTexts", "Avería comunicación central")},
    {"rsZAvComCont", QT_TRANSLATE_NOOP("NamedTexts", "Avería comunicación controladora")},
    {"rsZAvComModulRemot", QT_TRANSLATE_NOOP("NamedTexts", "Avería comunicación Módulo 'Remote'")},
    {"rsZAvComModul", QT_TRANSLATE_NOOP("NamedTexts", "Avería comunicación Módulo CID")},
    {"rsZAvComModulXarxa", QT_TRANSLATE_NOOP("NamedTexts", "Avería comunicación Módulo Red2")},
    {"rsZAvCarBat", QT_TRANSLATE_NOOP("NamedTexts", "Avería cargador baterías")},
    {"rsZAvBatAv", QT_TRANSLATE_NOOP("NamedTexts", "Avería batería averiada")},
    {"rsZAvBat", QT_TRANSLATE_NOOP("NamedTexts", "Avería sin batería")},
    {"rsZAvBatDes", QT_TRANSLATE_NOOP("NamedTexts", "Avería batería descargada")},
    {"rsZAvBatSobre", QT_TRANSLATE_NOOP("NamedTexts", "Avería batería sobrecargada")},
    {"rsZAvBaixaTen", QT_TRANSLATE_NOOP("NamedTexts", "Avería baja tensión")},
    {"rsZAvSobreTen", QT_TRANSLATE_NOOP("NamedTexts", "Avería sobretensión")},
    {"rsZAvNoAlim", QT_TRANSLATE_NOOP("NamedTexts", "Avería no alimentación")},
    {"rsZAvSort30V", QT_TRANSLATE_NOOP("NamedTexts", "Avería salida 30v")},
    {"rsZAvCurtcircuit", QT_TRANSLATE_NOOP("NamedTexts", "Avería bucle cortocircuito")},
    {"rsZAvSensor", QT_TRANSLATE_NOOP("NamedTexts", "Avería sensor")},
    {"rsZAvBrut", QT_TRANSLATE_NOOP("NamedTexts", "Avería suciedad")},
    {"rsZAvBucleObert", QT_TRANSLATE_NOOP("NamedTexts", "Avería bucle abierto")},
    {"rsZAvConsumBucle", QT_TRANSLATE_NOOP("NamedTexts", "Avería consumo bucle")},
    {"rsZAvPuntNo", QT_TRANSLATE_NOOP("NamedTexts", "Avería punto no contesta")},
    {"rsZAvKMAYCurt", QT_TRANSLATE_NOOP("NamedTexts", "Avería KMAY cortocircuito")},
    {"rsZAvKMAYObert", QT_TRANSLATE_NOOP("NamedTexts", "Avería KMAY circuito abierto")},
    {"rsZAMSTAYCurt", QT_TRANSLATE_NOOP("NamedTexts", "Avería MSTAY cortocircuito")},
    {"rsZAvMSTAYObert", QT_TRANSLATE_NOOP("NamedTexts", "Avería MSTAY circuito abierto")},
    {"rsZAvTec", QT_TRANSLATE_NOOP("NamedTexts", "Avería técnica")},
    {"rsZAvReleObert", QT_TRANSLATE_NOOP("NamedTexts", "Avería Relé linea abierta")},
    {"rsZAvReleCurt", QT_TRANSLATE_NOOP("NamedTexts", "Avería Relé cortocircuito")},
    {"rsZAvReleNoActiu", QT_TRANSLATE_NOOP("NamedTexts", "Avería Relé no activo")},
    {"rsZAvRele24V", QT_TRANSLATE_NOOP("NamedTexts", "Avería Relé 24V")},
    {"rsPuntAnullat", QT_TRANSLATE_NOOP("NamedTexts", " Punto Anulado")},
    {"rsZonaAnul", QT_TRANSLATE_NOOP("NamedTexts", " Zona anulada")},
    {"rsADLlac", QT_TRANSLATE_NOOP("NamedTexts", "AVERIA EN LAZO")},
    {"rsADSir", QT_TRANSLATE_NOOP("NamedTexts", "AVERIA EN SIRENAS")},
    {"rsADAlim", QT_TRANSLATE_NOOP("NamedTexts", "AVERIA DE ALIMENTACION")},
    {"rsADTerra", QT_TRANSLATE_NOOP("NamedTexts", "AVERIA DERIV. A TIERRA")},
    {"rsADFora", QT_TRANSLATE_NOOP("NamedTexts", "AVERIA FUERA DE SERVICIO")},
    {"rsADSistema", QT_TRANSLATE_NOOP("NamedTexts", "AVERIA DE SISTEMA")},
    {"rsAD232", QT_TRANSLATE_NOOP("NamedTexts", "AVERIA EN RS-485/232")},
    {"rsADNoRespon", QT_TRANSLATE_NOOP("NamedTexts", "ELEMENTO NO RESPONDE")},
    {"rsADDoble", QT_TRANSLATE_NOOP("NamedTexts", "RESPUESTA DOBLE")},
    {"rsADTipus", QT_TRANSLATE_NOOP("NamedTexts", "TIPO CAMBIADO")},
    {"rsADTall", QT_TRANSLATE_NOOP("NamedTexts", "CORTE EN ...")},
    {"rsADCreu", QT_TRANSLATE_NOOP("NamedTexts", "CRUCE EN ...")},
    {"rsADBrut", QT_TRANSLATE_NOOP("NamedTexts", "ELEMENTO SUCIO")},
    {"rsADActManual", QT_TRANSLATE_NOOP("NamedTexts", "ACTIVACIÓN MANUAL DE EVACUACIÓN")},
    {"rsADDisManual", QT_TRANSLATE_NOOP("NamedTexts", "DISPARO DE SIRENAS MANUAL")},
    {"rsADDesc", QT_TRANSLATE_NOOP("NamedTexts", "DESCONEXION DE ZONA")},
    {"rsADDescRele", QT_TRANSLATE_NOOP("NamedTexts", "DESCONEXION DE RELES")},
    {"rsADDescSir", QT_TRANSLATE_NOOP("NamedTexts", "DESCONEXION DE SIRENAS")},
    {"rsADDescEl", QT_TRANSLATE_NOOP("NamedTexts", "DESCONEXION DE ELEMENTO")},
    {"rsADOk", QT_TRANSLATE_NOOP("NamedTexts", "    Enterado    ")},
    {"rsADFallo24V", QT_TRANSLATE_NOOP("NamedTexts", "FALLO DE 24V EN MÓDULO")},
    {"rsADSenyalTecnic", QT_TRANSLATE_NOOP("NamedTexts", "SEÑAL TÉCNICA")},
    {"rsADBatPrim", QT_TRANSLATE_NOOP("NamedTexts", "BATERIA PRIMARIA (RADIO)")},
    {"rsADBatSec", QT_TRANSLATE_NOOP("NamedTexts", "BATERIA SECUNDARIA (RADIO)")},
    {"rsADTamperObert", QT_TRANSLATE_NOOP("NamedTexts", "TAMPER ABIERTO (RADIO)")},
    {"rsADErrorFatal", QT_TRANSLATE_NOOP("NamedTexts", "ERROR FATAL (RADIO)")},
    {"rsADErrorFreq", QT_TRANSLATE_NOOP("NamedTexts", "ERROR DE RADIOFRECUENCIA")},
};

} // namespace

void NamedTexts::CreaTaulaResourceString()
{
    m_texts.clear();
    m_texts.reserve(std::size(kNamedTexts));
    for (const NamedText &t : kNamedTexts)
        m_texts.insert(QString::fromLatin1(t.name), QCoreApplication::translate(kContext, t.text));
}

QString NamedTexts::GetNamedResourceString(QStringView name) const
{
    const auto it = m_texts.constFind(name.toString());
    return it == m_texts.constEnd() ? QString() : *it;
}

bool NamedTexts::contains(QStringView name) const
{
    return m_texts.contains(name.toString());
}

QStringList NamedTexts::names()
{
    QStringList out;
    out.reserve(std::size(kNamedTexts));
    for (const NamedText &t : kNamedTexts)
        out << QString::fromLatin1(t.name);
    return out;
}

} // namespace velmar

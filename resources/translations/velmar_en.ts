<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es_ES">
<context>
    <name>AguileraStatus</name>
    <message>
        <source>Zona de sistema</source>
        <translation>System zone</translation>
    </message>
    <message>
        <source> ESTADO DE ALARMA: </source>
        <translation> ALARM STATE: </translation>
    </message>
    <message>
        <source> ESTADO DE AVERIA: </source>
        <translation> FAULT STATE: </translation>
    </message>
    <message>
        <source> ESTADO DE DESCONEXION: </source>
        <translation> DISCONNECTION STATE: </translation>
    </message>
    <message>
        <source> ESTADO DE PRUEBAS: </source>
        <translation> TEST STATE: </translation>
    </message>
    <message>
        <source> ZONA EN ALARMA</source>
        <translation> ZONE IN ALARM</translation>
    </message>
    <message>
        <source> ZONA EN AVERIA</source>
        <translation> ZONE IN FAULT</translation>
    </message>
    <message>
        <source> ZONA DESCONECTADA</source>
        <translation> ZONE DISCONNECTED</translation>
    </message>
    <message>
        <source> ZONA EN PRUEBA</source>
        <translation> ZONE IN TEST</translation>
    </message>
    <message>
        <source>zonas</source>
        <translation>zones</translation>
    </message>
    <message>
        <source> (PRUEBAS)</source>
        <translation> (TEST)</translation>
    </message>
    <message>
        <source>ERROR INTERFACE</source>
        <translation>INTERFACE ERROR</translation>
    </message>
    <message>
        <source>INTERFACE OK</source>
        <translation>INTERFACE OK</translation>
    </message>
</context>
<context>
    <name>CircuitSearch</name>
    <message>
        <source>Desactivado</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Perdido</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>No ADSL</source>
        <translation>No Ethernet</translation>
    </message>
    <message>
        <source>No GPRS</source>
        <translation>No GPRS</translation>
    </message>
</context>
<context>
    <name>CodeTables</name>
    <message>
        <source>Equipo no configurado</source>
        <translation>Device not configured</translation>
    </message>
    <message>
        <source>Sensor Térmico</source>
        <translation>Heat detector</translation>
    </message>
    <message>
        <source>Sensor Iónico</source>
        <translation>Ionisation detector</translation>
    </message>
    <message>
        <source>Sensor Óptico (Fotoeléctrico)</source>
        <translation>Optical (photoelectric) detector</translation>
    </message>
    <message>
        <source>Pulsador Manual de alarma (MCP)</source>
        <translation>Manual call point (MCP)</translation>
    </message>
    <message>
        <source>Módulo de Control salida</source>
        <translation>Output control module</translation>
    </message>
    <message>
        <source>Módulo de Entrada</source>
        <translation>Input module</translation>
    </message>
    <message>
        <source>Módulo de Sistemas de Sprinkler</source>
        <translation>Sprinkler system module</translation>
    </message>
    <message>
        <source>Sensor VIEW</source>
        <translation>VIEW detector</translation>
    </message>
    <message>
        <source>Módulo CDI de Zonas Convencionales</source>
        <translation>Conventional zone CDI module</translation>
    </message>
    <message>
        <source>Salida de Sirena</source>
        <translation>Sounder output</translation>
    </message>
    <message>
        <source>Módulo AUXILIAR (señal técnica)</source>
        <translation>AUXILIARY module (technical signal)</translation>
    </message>
    <message>
        <source>Módulo Monitor de Zonas Convencionales (ZMX o M512)</source>
        <translation>Conventional zone monitor module (ZMX or M512)</translation>
    </message>
    <message>
        <source>Sensor Multicriterio</source>
        <translation>Multi-criteria detector</translation>
    </message>
</context>
<context>
    <name>FieldModel</name>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Hawaii</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) Alaska</translation>
    </message>
    <message>
        <source>(UTC-08:00) Los Angeles</source>
        <translation>(UTC-08:00) Los Angeles</translation>
    </message>
    <message>
        <source>(UTC-07:00) Denver</source>
        <translation>(UTC-07:00) Denver</translation>
    </message>
    <message>
        <source>(UTC-06:00) Chicago</source>
        <translation>(UTC-06:00) Chicago</translation>
    </message>
    <message>
        <source>(UTC-05:00) Bogotá</source>
        <translation>(UTC-05:00) Bogota</translation>
    </message>
    <message>
        <source>(UTC-04:00) Caracas</source>
        <translation>(UTC-04:00) Caracas</translation>
    </message>
    <message>
        <source>(UTC-03:00) Punta Arenas</source>
        <translation>(UTC-03:00) Punta Arenas</translation>
    </message>
    <message>
        <source>(UTC-02:00) Noronha</source>
        <translation>(UTC-02:00) Noronha</translation>
    </message>
    <message>
        <source>(UTC-01:00) Azores</source>
        <translation>(UTC-01:00) Azores</translation>
    </message>
    <message>
        <source>(UTC+00:00) Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca</source>
        <translation>(UTC+00:00) Dublin, Edinburgh, Lisbon, London, Reykjavik, Casablanca</translation>
    </message>
    <message>
        <source>(UTC+01:00) Madrid, Paris, Berlin, Roma</source>
        <translation>(UTC+01:00) Madrid, Paris, Berlin, Rome</translation>
    </message>
    <message>
        <source>(UTC+02:00) Riga</source>
        <translation>(UTC+02:00) Riga</translation>
    </message>
    <message>
        <source>(UTC+03:00) Moscú</source>
        <translation>(UTC+03:00) Moscow</translation>
    </message>
    <message>
        <source>(UTC+04:00) Dubai</source>
        <translation>(UTC+04:00) Dubai</translation>
    </message>
    <message>
        <source>(UTC+05:00) Karachi</source>
        <translation>(UTC+05:00) Karachi</translation>
    </message>
    <message>
        <source>(UTC+06:00) Omsk</source>
        <translation>(UTC+06:00) Omsk</translation>
    </message>
    <message>
        <source>(UTC+07:00) Jakarta</source>
        <translation>(UTC+07:00) Jakarta</translation>
    </message>
    <message>
        <source>(UTC+08:00) Hong Kong</source>
        <translation>(UTC+08:00) Hong Kong</translation>
    </message>
    <message>
        <source>(UTC+09:00) Seúl</source>
        <translation>(UTC+09:00) Seoul</translation>
    </message>
    <message>
        <source>(UTC+10:00) Vladivostok</source>
        <translation>(UTC+10:00) Vladivostok</translation>
    </message>
    <message>
        <source>(UTC+11:00) Magadan</source>
        <translation>(UTC+11:00) Magadan</translation>
    </message>
    <message>
        <source>(UTC+12:00) McMurdo</source>
        <translation>(UTC+12:00) McMurdo</translation>
    </message>
    <message>
        <source>(UTC+13:00) Nuku alofa, Samoa</source>
        <translation>(UTC+13:00) Nuku&apos;alofa, Samoa</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>SMS</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>EMail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Código CID</source>
        <translation>CID code</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>   Operadora</source>
        <translation>   Operator</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Disp.</source>
        <translation>Trig.</translation>
    </message>
    <message>
        <source>Rest.</source>
        <translation>Rest.</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Mensaje disparo/mensaje restaura</source>
        <translation>Trigger message/restore message</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Alim.</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>ADSL</source>
        <translation>ADSL</translation>
    </message>
    <message>
        <source>CRA</source>
        <translation>ARC</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Desac.</source>
        <translation>Deact.</translation>
    </message>
    <message>
        <source>T.Act.</source>
        <translation>On t.</translation>
    </message>
    <message>
        <source>T.Des.</source>
        <translation>Off t.</translation>
    </message>
    <message>
        <source>Todas</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Mensaje activa/Mensaje desactiva</source>
        <translation>On message/Off message</translation>
    </message>
    <message>
        <source>Texto del mensaje</source>
        <translation>Message text</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>N. Disp.</source>
        <translation>No. Trig.</translation>
    </message>
    <message>
        <source>N. Rest.</source>
        <translation>No. Rest.</translation>
    </message>
    <message>
        <source>T. Disp.</source>
        <translation>T. Trig.</translation>
    </message>
    <message>
        <source>T. Rest.</source>
        <translation>T. Rest.</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Test message</translation>
    </message>
    <message>
        <source>Mensaje de fallo/Mensaje de recuperación</source>
        <translation>Fault message/Recovery message</translation>
    </message>
    <message>
        <source>Pérdida GSM</source>
        <translation>GSM loss</translation>
    </message>
    <message>
        <source>Pérdida ADSL</source>
        <translation>ADSL loss</translation>
    </message>
    <message>
        <source>Pérdida CRA</source>
        <translation>ARC loss</translation>
    </message>
    <message>
        <source>Pérdida Servidor</source>
        <translation>Server loss</translation>
    </message>
    <message>
        <source>Pérdida COM</source>
        <translation>COM loss</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Sal.</source>
        <translation>Out.</translation>
    </message>
    <message>
        <source>Activ.</source>
        <translation>Activ.</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>T.Ent</source>
        <translation>In t.</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Phones</translation>
    </message>
    <message>
        <source>Referencia </source>
        <translation>Reference </translation>
    </message>
    <message>
        <source>Habilita</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Button</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Operator: </translation>
    </message>
    <message>
        <source>E/S</source>
        <translation>I/O</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Fault</translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Disablement</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Test</translation>
    </message>
    <message>
        <source> Comunicación con la Central</source>
        <translation> Communication with the panel</translation>
    </message>
    <message>
        <source> Perdida tensión 230V</source>
        <translation> 230V mains loss</translation>
    </message>
    <message>
        <source> Fallo Alimentación principal</source>
        <translation> Main power supply fault</translation>
    </message>
    <message>
        <source> Batería baja</source>
        <translation> Low battery</translation>
    </message>
    <message>
        <source> Fallo de tierra</source>
        <translation> Earth fault</translation>
    </message>
    <message>
        <source> Alarma pulsador</source>
        <translation> Call point alarm</translation>
    </message>
    <message>
        <source> Alarma detector</source>
        <translation> Detector alarm</translation>
    </message>
    <message>
        <source> Avería línea Abierta</source>
        <translation> Open-circuit line fault</translation>
    </message>
    <message>
        <source> Avería línea Cruzada</source>
        <translation> Short-circuit line fault</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Point disabled</translation>
    </message>
    <message>
        <source> Punto en pruebas</source>
        <translation> Point in test</translation>
    </message>
    <message>
        <source> Alarma Pulsador Prueba</source>
        <translation> Call point test alarm</translation>
    </message>
    <message>
        <source> Alarma Detector Prueba</source>
        <translation> Detector test alarm</translation>
    </message>
    <message>
        <source> Relé Anulado</source>
        <translation> Relay disabled</translation>
    </message>
    <message>
        <source> Relé Avería línea Abierta</source>
        <translation> Relay open-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Avería línea Cruzada</source>
        <translation> Relay short-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Avería 24V</source>
        <translation> Relay 24V fault</translation>
    </message>
    <message>
        <source> Relé Prealarma</source>
        <translation> Relay pre-alarm</translation>
    </message>
    <message>
        <source> Relé Disparo</source>
        <translation> Relay activation</translation>
    </message>
    <message>
        <source>Relé Aborto</source>
        <translation>Relay abort</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Abierta</source>
        <translation> Sounder relay 1 open-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Cruzada</source>
        <translation> Sounder relay 1 short-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Sirena 1 disparo</source>
        <translation> Sounder relay 1 activation</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Abierta</source>
        <translation> Sounder relay 2 open-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Cruzada</source>
        <translation> Sounder relay 2 short-circuit line fault</translation>
    </message>
    <message>
        <source> Relé Sirena 2 disparo</source>
        <translation> Sounder relay 2 activation</translation>
    </message>
    <message>
        <source> Relé Avería General línea Abierta</source>
        <translation> General fault relay open-circuit line</translation>
    </message>
    <message>
        <source> Relé Avería General línea Cruzada</source>
        <translation> General fault relay short-circuit line</translation>
    </message>
    <message>
        <source> Relé Avería General disparo</source>
        <translation> General fault relay activation</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería cargador</source>
        <translation> Power supply charger fault</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería batería descargada</source>
        <translation> Power supply battery discharged fault</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería sin red</source>
        <translation> Power supply mains failure</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería 30V</source>
        <translation> Power supply 30V fault</translation>
    </message>
    <message>
        <source> Avería batería descargada</source>
        <translation> Battery discharged fault</translation>
    </message>
    <message>
        <source> Fallo circuito abierto</source>
        <translation> Open-circuit fault</translation>
    </message>
    <message>
        <source> Fallo cortocircuito</source>
        <translation> Short-circuit fault</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zone disabled</translation>
    </message>
    <message>
        <source> Zona en pruebas</source>
        <translation> Zone in test</translation>
    </message>
    <message>
        <source> Avería cargador baterías</source>
        <translation> Battery charger fault</translation>
    </message>
    <message>
        <source> Avería fallo de baterías</source>
        <translation> Battery failure fault</translation>
    </message>
    <message>
        <source> Avería de la central fallo 220V</source>
        <translation> Panel 220V supply fault</translation>
    </message>
    <message>
        <source> Sirenas fallo/anuladas</source>
        <translation> Sounders faulty/disabled</translation>
    </message>
    <message>
        <source> Av. sirenas anuladas</source>
        <translation> Disabled sounders fault</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Sensor alarm</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Technical alarm</translation>
    </message>
    <message>
        <source>Alarma detector Esclavo</source>
        <translation>Slave detector alarm</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Temperature alarm</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Smoke alarm</translation>
    </message>
    <message>
        <source>Alarma pulsador Esclavo</source>
        <translation>Slave call point alarm</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Manual call point alarm</translation>
    </message>
    <message>
        <source>Alarma pulsador Exterior</source>
        <translation>External call point alarm</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Fire test alarm</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Unconfigured test alarm</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Repeater communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Panel communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Controller communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>&apos;Remote&apos; module communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>CID module communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Red2 module communication fault</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Battery charger fault</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Battery defective fault</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>No battery fault</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Battery discharged fault</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Battery overcharged fault</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Low voltage fault</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Overvoltage fault</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>No power supply fault</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>30V output fault</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Loop short-circuit fault</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Sensor fault</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Dirty sensor fault</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Loop open-circuit fault</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Loop current fault</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Point not responding fault</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>KMAY short-circuit fault</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>KMAY open-circuit fault</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>MSTAY short-circuit fault</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>MSTAY open-circuit fault</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Technical fault</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Relay open-line fault</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Relay short-circuit fault</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Relay not active fault</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Relay 24V fault</translation>
    </message>
    <message>
        <source>Tipo evento</source>
        <translation>Event type</translation>
    </message>
    <message>
        <source>110=Fuego</source>
        <translation>110=Fire</translation>
    </message>
    <message>
        <source>111=Humo</source>
        <translation>111=Smoke</translation>
    </message>
    <message>
        <source>112=Combustión</source>
        <translation>112=Combustion</translation>
    </message>
    <message>
        <source>113=Detector de flujo (agua)</source>
        <translation>113=Water flow detector</translation>
    </message>
    <message>
        <source>114=Calor</source>
        <translation>114=Heat</translation>
    </message>
    <message>
        <source>115=Pulsador</source>
        <translation>115=Call point</translation>
    </message>
    <message>
        <source>116=Detector de conducto</source>
        <translation>116=Duct detector</translation>
    </message>
    <message>
        <source>117=Detector de alarma</source>
        <translation>117=Alarm detector</translation>
    </message>
    <message>
        <source>E1</source>
        <translation>I1</translation>
    </message>
    <message>
        <source>E2</source>
        <translation>I2</translation>
    </message>
    <message>
        <source>E3</source>
        <translation>I3</translation>
    </message>
    <message>
        <source>E4</source>
        <translation>I4</translation>
    </message>
    <message>
        <source>E5</source>
        <translation>I5</translation>
    </message>
    <message>
        <source>E6</source>
        <translation>I6</translation>
    </message>
    <message>
        <source>E7</source>
        <translation>I7</translation>
    </message>
    <message>
        <source>E8</source>
        <translation>I8</translation>
    </message>
    <message>
        <source>E9</source>
        <translation>I9</translation>
    </message>
    <message>
        <source>E10</source>
        <translation>I10</translation>
    </message>
    <message>
        <source>E11</source>
        <translation>I11</translation>
    </message>
    <message>
        <source>E12</source>
        <translation>I12</translation>
    </message>
    <message>
        <source>E13</source>
        <translation>I13</translation>
    </message>
    <message>
        <source>E14</source>
        <translation>I14</translation>
    </message>
    <message>
        <source>E15</source>
        <translation>I15</translation>
    </message>
    <message>
        <source>E16</source>
        <translation>I16</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>Este fichero ya existe, ¿desea sobreescribirlo?</source>
        <translation>This file already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Yes    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    No    </translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>marca de borrado incorrecta</source>
        <translation>wrong delete mark</translation>
    </message>
    <message>
        <source>valor de habilitación incorrecto</source>
        <translation>wrong enable value</translation>
    </message>
    <message>
        <source>el número de zona no es correcto</source>
        <translation>the zone number is not valid</translation>
    </message>
    <message>
        <source>número de zona fuera de rango (1 a 1023)</source>
        <translation>zone number out of range (1 to 1023)</translation>
    </message>
    <message>
        <source>código CID demasiado largo</source>
        <translation>CID code too long</translation>
    </message>
    <message>
        <source>nombre de más de %1 caracteres</source>
        <translation>name longer than %1 characters</translation>
    </message>
</context>
<context>
    <name>ModuleStatus</name>
    <message>
        <source>Fecha:                     Hora: </source>
        <translation>Date:                     Time: </translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>Empresa: </source>
        <translation>Company: </translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Installer: </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Reference: </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identifier: </translation>
    </message>
    <message>
        <source>Firmware: 	</source>
        <translation>Firmware: 	</translation>
    </message>
    <message>
        <source>Hardware: 	</source>
        <translation>Hardware: 	</translation>
    </message>
    <message>
        <source>   Cobertura:</source>
        <translation>   Coverage:</translation>
    </message>
    <message>
        <source> Kbytes / </source>
        <translation> Kbytes / </translation>
    </message>
    <message>
        <source>Módulo GSM:</source>
        <translation>GSM module:</translation>
    </message>
    <message>
        <source>  ver.</source>
        <translation>  ver.</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Operator: </translation>
    </message>
    <message>
        <source>   Imei: 	</source>
        <translation>   IMEI: 	</translation>
    </message>
    <message>
        <source>   SIM: 	</source>
        <translation>   SIM: 	</translation>
    </message>
    <message>
        <source>Módulo GSM:  </source>
        <translation>GSM module:  </translation>
    </message>
</context>
<context>
    <name>NamedTexts</name>
    <message>
        <source>Inicio del sistema</source>
        <translation>System start-up</translation>
    </message>
    <message>
        <source>Se ha generado un Reset de soft</source>
        <translation>A software reset has been generated</translation>
    </message>
    <message>
        <source>Error 0x01</source>
        <translation>Error 0x01</translation>
    </message>
    <message>
        <source>Error 0x02</source>
        <translation>Error 0x02</translation>
    </message>
    <message>
        <source>Fallo de hard</source>
        <translation>Hardware fault</translation>
    </message>
    <message>
        <source>Grabando los parámetros en la Flash</source>
        <translation>Writing the parameters to Flash</translation>
    </message>
    <message>
        <source>Leyendo los parámetros de la Flash</source>
        <translation>Reading the parameters from Flash</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Periodic test</translation>
    </message>
    <message>
        <source>Se añade envio a la CRA: </source>
        <translation>Report queued to the ARC: </translation>
    </message>
    <message>
        <source>Se añade envio al servidor:</source>
        <translation>Report queued to the server:</translation>
    </message>
    <message>
        <source>Se añade envio de e-mail: </source>
        <translation>E-mail report queued: </translation>
    </message>
    <message>
        <source>Se añade envio de SMS: </source>
        <translation>SMS report queued: </translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del servidor</source>
        <translation>Error updating the server time</translation>
    </message>
    <message>
        <source>Tiempo del servidor actualizado</source>
        <translation>Server time updated</translation>
    </message>
    <message>
        <source>Comando enviado</source>
        <translation>Command sent</translation>
    </message>
    <message>
        <source>COM no inicializado</source>
        <translation>COM not initialised</translation>
    </message>
    <message>
        <source>COM inicializado</source>
        <translation>COM initialised</translation>
    </message>
    <message>
        <source>Envia Hexa por COM: </source>
        <translation>Sending hex over COM: </translation>
    </message>
    <message>
        <source>Envia String por COM: </source>
        <translation>Sending string over COM: </translation>
    </message>
    <message>
        <source>Módulo GPRS no inicializado</source>
        <translation>GPRS module not initialised</translation>
    </message>
    <message>
        <source>Módulo GPRS inicializado</source>
        <translation>GPRS module initialised</translation>
    </message>
    <message>
        <source>Se enciende el módulo GPRS</source>
        <translation>GPRS module switched on</translation>
    </message>
    <message>
        <source>Se apaga el módulo GPRS</source>
        <translation>GPRS module switched off</translation>
    </message>
    <message>
        <source>Envío por GPRS: </source>
        <translation>Sent over GPRS: </translation>
    </message>
    <message>
        <source>SRING recibido</source>
        <translation>SRING received</translation>
    </message>
    <message>
        <source>Recibido por GPRS: </source>
        <translation>Received over GPRS: </translation>
    </message>
    <message>
        <source>GPRS: No se puede resolver el DNS</source>
        <translation>GPRS: Cannot resolve the DNS</translation>
    </message>
    <message>
        <source>GPRS: Socket abierto demasiado tiempo</source>
        <translation>GPRS: Socket open for too long</translation>
    </message>
    <message>
        <source>GPRS: Error de socket</source>
        <translation>GPRS: Socket error</translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del GPRS</source>
        <translation>Error updating the GPRS time</translation>
    </message>
    <message>
        <source>Tiempo del GPRS actualizado</source>
        <translation>GPRS time updated</translation>
    </message>
    <message>
        <source>Módulo GPRS detectado</source>
        <translation>GPRS module detected</translation>
    </message>
    <message>
        <source>Falta el PIN</source>
        <translation>PIN missing</translation>
    </message>
    <message>
        <source>Buscando la SIM</source>
        <translation>Searching for the SIM</translation>
    </message>
    <message>
        <source>SIM y PIN correctos</source>
        <translation>SIM and PIN correct</translation>
    </message>
    <message>
        <source>Módulo GPRS preparado</source>
        <translation>GPRS module ready</translation>
    </message>
    <message>
        <source>Conexión GPRS creada</source>
        <translation>GPRS connection established</translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA (borrado): </source>
        <translation>GPRS: Report to the ARC (deleted): </translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA: </source>
        <translation>GPRS: Report to the ARC: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado: </source>
        <translation>GPRS: E-mail sent: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado (borrado):</source>
        <translation>GPRS: E-mail sent (deleted):</translation>
    </message>
    <message>
        <source>GPRS: SMS enviado: </source>
        <translation>GPRS: SMS sent: </translation>
    </message>
    <message>
        <source>GPRS: SMS enviado (borrado):</source>
        <translation>GPRS: SMS sent (deleted):</translation>
    </message>
    <message>
        <source>GPRS: SMS recibido</source>
        <translation>GPRS: SMS received</translation>
    </message>
    <message>
        <source>GPRS: Entrada en bidireccional con la Central</source>
        <translation>GPRS: Bidirectional mode with the panel started</translation>
    </message>
    <message>
        <source>GPRS: Salida de bidireccional con la Central</source>
        <translation>GPRS: Bidirectional mode with the panel ended</translation>
    </message>
    <message>
        <source>Ethernet desactivado</source>
        <translation>Ethernet disabled</translation>
    </message>
    <message>
        <source>Ethernet activado</source>
        <translation>Ethernet enabled</translation>
    </message>
    <message>
        <source>ADSL: LinkDown</source>
        <translation>ADSL: LinkDown</translation>
    </message>
    <message>
        <source>ADSL: LinkUp</source>
        <translation>ADSL: LinkUp</translation>
    </message>
    <message>
        <source>ADSL: 10 MBit/Full</source>
        <translation>ADSL: 10 MBit/Full</translation>
    </message>
    <message>
        <source>ADSL: Error de negociación</source>
        <translation>ADSL: Negotiation error</translation>
    </message>
    <message>
        <source>ADSL: DhcpAddress</source>
        <translation>ADSL: DhcpAddress</translation>
    </message>
    <message>
        <source>ADSL: Respuesta recibida de la CRA: </source>
        <translation>ADSL: Reply received from the ARC: </translation>
    </message>
    <message>
        <source>ADSL: Socket abierto a la CRA</source>
        <translation>ADSL: Socket to the ARC opened</translation>
    </message>
    <message>
        <source>ADSL: Socket cerrado a la CRA</source>
        <translation>ADSL: Socket to the ARC closed</translation>
    </message>
    <message>
        <source>ADSL: Resolviendo DNS...</source>
        <translation>ADSL: Resolving DNS...</translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA (borrado): </source>
        <translation>ADSL: Report to the ARC (deleted): </translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA: </source>
        <translation>ADSL: Report to the ARC: </translation>
    </message>
    <message>
        <source>ADSL: Inicio de la conexión con el servidor</source>
        <translation>ADSL: Starting the connection to the server</translation>
    </message>
    <message>
        <source>ADSL: Conectado a la red</source>
        <translation>ADSL: Connected to the network</translation>
    </message>
    <message>
        <source>ADSL: Conectado al servidor</source>
        <translation>ADSL: Connected to the server</translation>
    </message>
    <message>
        <source>ADSL: Suscrito al servidor</source>
        <translation>ADSL: Subscribed to the server</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión con el servidor</source>
        <translation>ADSL: Server connection error</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión a la red</source>
        <translation>ADSL: Network connection error</translation>
    </message>
    <message>
        <source>ADSL: Error de respuesta del servidor</source>
        <translation>ADSL: Server response error</translation>
    </message>
    <message>
        <source>ADSL: Envío al servidor</source>
        <translation>ADSL: Sent to the server</translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail (borrado): </source>
        <translation>ADSL: E-mail sent (deleted): </translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail: </source>
        <translation>ADSL: E-mail sent: </translation>
    </message>
    <message>
        <source>ADSL: Entrada en bidireccional con la Central</source>
        <translation>ADSL: Bidirectional mode with the panel started</translation>
    </message>
    <message>
        <source>ADSL: Salida de bidireccional con la Central</source>
        <translation>ADSL: Bidirectional mode with the panel ended</translation>
    </message>
    <message>
        <source>E/S no inicializadas</source>
        <translation>I/O not initialised</translation>
    </message>
    <message>
        <source>E/S inicializadas</source>
        <translation>I/O initialised</translation>
    </message>
    <message>
        <source>Entrada disparada: </source>
        <translation>Input triggered: </translation>
    </message>
    <message>
        <source>Entrada restaurada: </source>
        <translation>Input restored: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Output triggered: </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Output restored: </translation>
    </message>
    <message>
        <source>No se permite modificar la salida: </source>
        <translation>Output may not be changed: </translation>
    </message>
    <message>
        <source>Pérdida de </source>
        <translation>Loss of </translation>
    </message>
    <message>
        <source>Recuperado </source>
        <translation>Restored </translation>
    </message>
    <message>
        <source>Tamper disparado</source>
        <translation>Tamper triggered</translation>
    </message>
    <message>
        <source>Alimentación recuperada</source>
        <translation>Power supply restored</translation>
    </message>
    <message>
        <source>Alimentación baja</source>
        <translation>Low power supply</translation>
    </message>
    <message>
        <source>Tamper restaurado</source>
        <translation>Tamper restored</translation>
    </message>
    <message>
        <source>Se ha perdido la comuniación con la Central</source>
        <translation>Communication with the panel has been lost</translation>
    </message>
    <message>
        <source>ERROR de Checksum</source>
        <translation>Checksum ERROR</translation>
    </message>
    <message>
        <source>La Central responde</source>
        <translation>The panel is responding</translation>
    </message>
    <message>
        <source>Datos recibidos: </source>
        <translation>Data received: </translation>
    </message>
    <message>
        <source>Envia comando a la Central: </source>
        <translation>Sending command to the panel: </translation>
    </message>
    <message>
        <source>Comando de Telecontrol: </source>
        <translation>Remote control command: </translation>
    </message>
    <message>
        <source>Pérdida de comunicación con la Central</source>
        <translation>Loss of communication with the panel</translation>
    </message>
    <message>
        <source>Recuperación de comunicación con la Central</source>
        <translation>Communication with the panel restored</translation>
    </message>
    <message>
        <source>ERROR de cheksum</source>
        <translation>Checksum ERROR</translation>
    </message>
    <message>
        <source>Recibido de la Central: </source>
        <translation>Received from the panel: </translation>
    </message>
    <message>
        <source>Bireccional recibido de la Central: </source>
        <translation>Bidirectional received from the panel: </translation>
    </message>
    <message>
        <source>paso a Pruebas z.</source>
        <translation>Test start z.</translation>
    </message>
    <message>
        <source>fin de pruebas z.</source>
        <translation>Test end z.</translation>
    </message>
    <message>
        <source>paso a Alarma z.</source>
        <translation>Alarm start z.</translation>
    </message>
    <message>
        <source>fin de alarma z.</source>
        <translation>Alarm end z.</translation>
    </message>
    <message>
        <source>paso a Averia z.</source>
        <translation>Fault start z.</translation>
    </message>
    <message>
        <source>fin de averia z.</source>
        <translation>Fault end z.</translation>
    </message>
    <message>
        <source>paso a Desconexion z.</source>
        <translation>Disablement start z.</translation>
    </message>
    <message>
        <source>fin de desconexion z.</source>
        <translation>Disablement end z.</translation>
    </message>
    <message>
        <source>Fallo de comunicación entre interface y Central</source>
        <translation>Communication failure between interface and panel</translation>
    </message>
    <message>
        <source>Recuperación de comunicación entre interface y Central</source>
        <translation>Communication between interface and panel restored</translation>
    </message>
    <message>
        <source>Envía comando de usuario a la Central</source>
        <translation>Sending user command to the panel</translation>
    </message>
    <message>
        <source>Recibido de Central:</source>
        <translation>Received from panel:</translation>
    </message>
    <message>
        <source>Sin comunicación con la Central</source>
        <translation>No communication with the panel</translation>
    </message>
    <message>
        <source>Respuesta Central</source>
        <translation>Panel response</translation>
    </message>
    <message>
        <source>Checksum ERROR</source>
        <translation>Checksum ERROR</translation>
    </message>
    <message>
        <source>Paso a Alarma Detector z.</source>
        <translation>Detector alarm start z.</translation>
    </message>
    <message>
        <source>Fin de alarma Detector z.</source>
        <translation>Detector alarm end z.</translation>
    </message>
    <message>
        <source>Paso a Alarma Pulsador z.</source>
        <translation>Call point alarm start z.</translation>
    </message>
    <message>
        <source>Fin de alarma Pulsador z.</source>
        <translation>Call point alarm end z.</translation>
    </message>
    <message>
        <source>Paso a Averia z.</source>
        <translation>Fault start z.</translation>
    </message>
    <message>
        <source>Fin de averia z.</source>
        <translation>Fault end z.</translation>
    </message>
    <message>
        <source>Paso a Desconexion z.</source>
        <translation>Disablement start z.</translation>
    </message>
    <message>
        <source>Fin de desconexion z.</source>
        <translation>Disablement end z.</translation>
    </message>
    <message>
        <source>Paso a Pruebas z.</source>
        <translation>Test start z.</translation>
    </message>
    <message>
        <source>Fin de pruebas z.</source>
        <translation>Test end z.</translation>
    </message>
    <message>
        <source>Paso a Alarma en Pruebas z.</source>
        <translation>Test alarm start z.</translation>
    </message>
    <message>
        <source>Fin de alarma en Pruebas z.</source>
        <translation>Test alarm end z.</translation>
    </message>
    <message>
        <source>Fallo 220V</source>
        <translation>220V failure</translation>
    </message>
    <message>
        <source>Recuperado 220V</source>
        <translation>220V restored</translation>
    </message>
    <message>
        <source>Fallo Bateria</source>
        <translation>Battery failure</translation>
    </message>
    <message>
        <source>Recuperado Bateria</source>
        <translation>Battery restored</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Sensor alarm</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Technical alarm</translation>
    </message>
    <message>
        <source>Alarma detector Esclavo</source>
        <translation>Slave detector alarm</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Temperature alarm</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Smoke alarm</translation>
    </message>
    <message>
        <source>Alarma pulsador Esclavo</source>
        <translation>Slave call point alarm</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Manual call point alarm</translation>
    </message>
    <message>
        <source>Alarma pulsador Exterior</source>
        <translation>External call point alarm</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Fire test alarm</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Unconfigured test alarm</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Repeater communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Panel communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Controller communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>&apos;Remote&apos; module communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>CID module communication fault</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Red2 module communication fault</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Battery charger fault</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Battery defective fault</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>No battery fault</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Battery discharged fault</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Battery overcharged fault</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Low voltage fault</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Overvoltage fault</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>No power supply fault</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>30V output fault</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Loop short-circuit fault</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Sensor fault</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Dirty sensor fault</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Loop open-circuit fault</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Loop current fault</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Point not responding fault</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>KMAY short-circuit fault</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>KMAY open-circuit fault</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>MSTAY short-circuit fault</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>MSTAY open-circuit fault</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Technical fault</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Relay open-line fault</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Relay short-circuit fault</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Relay not active fault</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Relay 24V fault</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Point disabled</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zone disabled</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>LOOP FAULT</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>SOUNDER FAULT</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>POWER SUPPLY FAULT</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>EARTH LEAKAGE FAULT</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>OUT OF SERVICE FAULT</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>SYSTEM FAULT</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>RS-485/232 FAULT</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>DEVICE NOT RESPONDING</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>DOUBLE RESPONSE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TYPE CHANGED</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>OPEN CIRCUIT ON ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>SHORT CIRCUIT ON ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>DIRTY DEVICE</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>MANUAL EVACUATION ACTIVATION</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>MANUAL SOUNDER ACTIVATION</translation>
    </message>
    <message>
        <source>DESCONEXION DE ZONA</source>
        <translation>ZONE DISABLEMENT</translation>
    </message>
    <message>
        <source>DESCONEXION DE RELES</source>
        <translation>RELAY DISABLEMENT</translation>
    </message>
    <message>
        <source>DESCONEXION DE SIRENAS</source>
        <translation>SOUNDER DISABLEMENT</translation>
    </message>
    <message>
        <source>DESCONEXION DE ELEMENTO</source>
        <translation>DEVICE DISABLEMENT</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Acknowledge    </translation>
    </message>
    <message>
        <source>FALLO DE 24V EN MÓDULO</source>
        <translation>24V FAULT ON MODULE</translation>
    </message>
    <message>
        <source>SEÑAL TÉCNICA</source>
        <translation>TECHNICAL SIGNAL</translation>
    </message>
    <message>
        <source>BATERIA PRIMARIA (RADIO)</source>
        <translation>PRIMARY BATTERY (RADIO)</translation>
    </message>
    <message>
        <source>BATERIA SECUNDARIA (RADIO)</source>
        <translation>SECONDARY BATTERY (RADIO)</translation>
    </message>
    <message>
        <source>TAMPER ABIERTO (RADIO)</source>
        <translation>TAMPER OPEN (RADIO)</translation>
    </message>
    <message>
        <source>ERROR FATAL (RADIO)</source>
        <translation>FATAL ERROR (RADIO)</translation>
    </message>
    <message>
        <source>ERROR DE RADIOFRECUENCIA</source>
        <translation>RADIO FREQUENCY ERROR</translation>
    </message>
</context>
<context>
    <name>OfflineStatus</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DISABLED</translation>
    </message>
    <message>
        <source>Último dato recibido: </source>
        <translation>Last data received: </translation>
    </message>
</context>
<context>
    <name>PanelEvents</name>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>LOOP FAULT</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>SOUNDER FAULT</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>POWER SUPPLY FAULT</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>EARTH LEAKAGE FAULT</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>OUT OF SERVICE FAULT</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>SYSTEM FAULT</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>RS-485/232 FAULT</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>DEVICE NOT RESPONDING</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>DOUBLE RESPONSE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TYPE CHANGED</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>OPEN CIRCUIT ON ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>SHORT CIRCUIT ON ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>DIRTY DEVICE</translation>
    </message>
    <message>
        <source>FALLO DE 24V EN MÓDULO</source>
        <translation>24V FAULT ON MODULE</translation>
    </message>
    <message>
        <source>SEÑAL TÉCNICA</source>
        <translation>TECHNICAL SIGNAL</translation>
    </message>
    <message>
        <source>BATERIA PRIMARIA (RADIO)</source>
        <translation>PRIMARY BATTERY (RADIO)</translation>
    </message>
    <message>
        <source>BATERIA SECUNDARIA (RADIO)</source>
        <translation>SECONDARY BATTERY (RADIO)</translation>
    </message>
    <message>
        <source>TAMPER ABIERTO (RADIO)</source>
        <translation>TAMPER OPEN (RADIO)</translation>
    </message>
    <message>
        <source>ERROR FATAL (RADIO)</source>
        <translation>FATAL ERROR (RADIO)</translation>
    </message>
    <message>
        <source>ERROR DE RADIOFRECUENCIA</source>
        <translation>RADIO FREQUENCY ERROR</translation>
    </message>
    <message>
        <source>DESCONEXION DE ZONA</source>
        <translation>ZONE DISABLEMENT</translation>
    </message>
    <message>
        <source>DESCONEXION DE RELES</source>
        <translation>RELAY DISABLEMENT</translation>
    </message>
    <message>
        <source>DESCONEXION DE SIRENAS</source>
        <translation>SOUNDER DISABLEMENT</translation>
    </message>
    <message>
        <source>DESCONEXION DE ELEMENTO</source>
        <translation>DEVICE DISABLEMENT</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>MANUAL SOUNDER ACTIVATION</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>MANUAL EVACUATION ACTIVATION</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Fault</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Test</translation>
    </message>
    <message>
        <source>Valor: </source>
        <translation>Value: </translation>
    </message>
    <message>
        <source>PREALARMA </source>
        <translation>PRE-ALARM </translation>
    </message>
    <message>
        <source>AV ZONA</source>
        <translation>ZONE FLT</translation>
    </message>
    <message>
        <source>AV CTRAL</source>
        <translation>PANEL FLT</translation>
    </message>
    <message>
        <source>FUEGO: </source>
        <translation>FIRE: </translation>
    </message>
    <message>
        <source>EVACUACIÓN: </source>
        <translation>EVACUATION: </translation>
    </message>
    <message>
        <source>ALERTA: </source>
        <translation>ALERT: </translation>
    </message>
    <message>
        <source>SEGURIDAD: </source>
        <translation>SECURITY: </translation>
    </message>
    <message>
        <source>AVERÍA: </source>
        <translation>FAULT: </translation>
    </message>
    <message>
        <source>DESACTIVACIÓN: </source>
        <translation>DISABLEMENT: </translation>
    </message>
    <message>
        <source>ALARMA TÉCNICA: </source>
        <translation>TECHNICAL ALARM: </translation>
    </message>
    <message>
        <source>PRUEBA: </source>
        <translation>TEST: </translation>
    </message>
    <message>
        <source>MODO DE PRUEBA</source>
        <translation>TEST MODE</translation>
    </message>
    <message>
        <source>Corto circuito en lazo</source>
        <translation>Loop short circuit</translation>
    </message>
    <message>
        <source>Circuito abierto en lazo</source>
        <translation>Loop open circuit</translation>
    </message>
    <message>
        <source>Avería de salida supervisada</source>
        <translation>Monitored output fault</translation>
    </message>
    <message>
        <source>desactivado zona</source>
        <translation>zone disabled</translation>
    </message>
    <message>
        <source>Modo de prueba audible</source>
        <translation>Audible test mode</translation>
    </message>
    <message>
        <source>Dirección lógica</source>
        <translation>Logical address</translation>
    </message>
    <message>
        <source>Evento: </source>
        <translation>Event: </translation>
    </message>
    <message>
        <source> de </source>
        <translation> of </translation>
    </message>
    <message>
        <source>Cent : </source>
        <translation>Panel : </translation>
    </message>
    <message>
        <source>Zona : </source>
        <translation>Zone : </translation>
    </message>
    <message>
        <source>Lazo: </source>
        <translation>Loop: </translation>
    </message>
    <message>
        <source>Dir.  : </source>
        <translation>Addr. : </translation>
    </message>
    <message>
        <source>Central: </source>
        <translation>Panel: </translation>
    </message>
    <message>
        <source>Evacuación manual</source>
        <translation>Manual evacuation</translation>
    </message>
    <message>
        <source>Alarma sistema</source>
        <translation>System alarm</translation>
    </message>
    <message>
        <source>Dir: </source>
        <translation>Addr: </translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Zona: </source>
        <translation>Zone: </translation>
    </message>
    <message>
        <source>Sin alarmas</source>
        <translation>No alarms</translation>
    </message>
    <message>
        <source>Sin averias</source>
        <translation>No faults</translation>
    </message>
    <message>
        <source>Sin eventos</source>
        <translation>No events</translation>
    </message>
    <message>
        <source>Nivel usuario</source>
        <translation>User level</translation>
    </message>
    <message>
        <source>Nivel instalador</source>
        <translation>Installer level</translation>
    </message>
    <message>
        <source>ALARMAS                                     TIPO:</source>
        <translation>ALARMS                                      TYPE:</translation>
    </message>
    <message>
        <source>AVERIAS                                      TIPO:</source>
        <translation>FAULTS                                       TYPE:</translation>
    </message>
    <message>
        <source>DISPARO                                      RELE:</source>
        <translation>TRIGGER                                      RELAY:</translation>
    </message>
    <message>
        <source>ANULADA                                     TIPO:</source>
        <translation>DISABLED                                    TYPE:</translation>
    </message>
</context>
<context>
    <name>PanelFronts</name>
    <message>
        <source>Rearme</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Silenciar zumbador</source>
        <translation>Silence buzzer</translation>
    </message>
    <message>
        <source>Silenciar sirenas</source>
        <translation>Silence sounders</translation>
    </message>
    <message>
        <source>Zumbador</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>Equipos</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Sirenas</source>
        <translation>Sounders</translation>
    </message>
    <message>
        <source>Activar sirenas</source>
        <translation>Activate sounders</translation>
    </message>
    <message>
        <source>Anulada</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Tierra</source>
        <translation>Earth</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Servicio</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Ruta</source>
        <translation>Routing</translation>
    </message>
    <message>
        <source>Prealarma</source>
        <translation>Pre-alarm</translation>
    </message>
    <message>
        <source>Desactivado</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Prueba</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Power supply</translation>
    </message>
    <message>
        <source>Desconexión</source>
        <translation>Disablement</translation>
    </message>
    <message>
        <source>Enterado</source>
        <translation>Acknowledge</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Disparo sirenas</source>
        <translation>Sound sounders</translation>
    </message>
    <message>
        <source>Evacuación</source>
        <translation>Evacuation</translation>
    </message>
</context>
<context>
    <name>PanelOrders</name>
    <message>
        <source>¿Está seguro que quiere Rearmar la Central?</source>
        <translation>Are you sure you want to reset the panel?</translation>
    </message>
    <message>
        <source>Rearmando la Central desde PC</source>
        <translation>Resetting the panel from the PC</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere hacer Reset a la Central?</source>
        <translation>Are you sure you want to reset the panel?</translation>
    </message>
    <message>
        <source>Reset a la Central desde PC</source>
        <translation>Panel reset from the PC</translation>
    </message>
    <message>
        <source>Reposición de la Central desde PC</source>
        <translation>Panel restore from the PC</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere silenciar el zumbador?</source>
        <translation>Are you sure you want to silence the buzzer?</translation>
    </message>
    <message>
        <source>Silenciar zumbador desde PC</source>
        <translation>Buzzer silenced from the PC</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Acknowledge    </translation>
    </message>
    <message>
        <source>¿Está seguro que quiere silenciar la sirena?</source>
        <translation>Are you sure you want to silence the sounders?</translation>
    </message>
    <message>
        <source>Silenciar sirena desde PC</source>
        <translation>Sounders silenced from the PC</translation>
    </message>
    <message>
        <source>¿Está seguri que quiere silenciar/activar la sirena?</source>
        <translation>Are you sure you want to silence/activate the sounders?</translation>
    </message>
    <message>
        <source>Disparo sirena desde PC</source>
        <translation>Sounders activated from the PC</translation>
    </message>
    <message>
        <source>Activar sirenas desde PC</source>
        <translation>Sounders activated from the PC</translation>
    </message>
    <message>
        <source>Evacuación manual desde PC</source>
        <translation>Manual evacuation from the PC</translation>
    </message>
    <message>
        <source>Activar modo pruebas/anulado desde PC</source>
        <translation>Test/disable mode activated from the PC</translation>
    </message>
</context>
<context>
    <name>PanelPage</name>
    <message>
        <source>BaudRate,paritat (por ejemplo %1,e)</source>
        <translation>BaudRate,parity (for example %1,e)</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA</source>
        <translation>AGUILERA FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BC600/216</source>
        <translation>BC600/216 FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>ACCESS CONTROL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM</source>
        <translation>COFEM FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS DETNOV</source>
        <translation>DETNOV FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>URANO FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>SYNCRO FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AVENAR (BOSCH)</source>
        <translation>AVENAR (BOSCH) FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>AD300 FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>SUPRA FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM ZAFIR</source>
        <translation>COFEM ZAFIR FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>KOMTTECH FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS ID3000</source>
        <translation>ID3000 FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS CCD-100</source>
        <translation>CCD-100 FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD600</source>
        <translation>AD600 FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS MA-2000</source>
        <translation>MA-2000 FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS JADEBIRD</source>
        <translation>JADEBIRD FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS C-TEC XFP</source>
        <translation>C-TEC XFP FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS PL-100/LT-159</source>
        <translation>PL-100/LT-159 FIRE ALARM PANEL</translation>
    </message>
</context>
<context>
    <name>PasswordSeal</name>
    <message>
        <source>es una carpeta</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>no hay bytes aleatorios</source>
        <translation>no random bytes available</translation>
    </message>
    <message>
        <source>el cifrado AES-256-GCM ha fallado</source>
        <translation>AES-256-GCM encryption failed</translation>
    </message>
</context>
<context>
    <name>RowFileText</name>
    <message>
        <source>El fichero es demasiado grande (más de %1 KB)</source>
        <translation>The file is too large (over %1 KB)</translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>El fichero no es un fichero de texto</source>
        <translation>The file is not a text file</translation>
    </message>
    <message>
        <source>El fichero está vacío</source>
        <translation>The file is empty</translation>
    </message>
    <message>
        <source>número de campos incorrecto</source>
        <translation>wrong number of fields</translation>
    </message>
    <message>
        <source>línea demasiado larga</source>
        <translation>line too long</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Contraseña guardada sin sellar: </source>
        <translation>Password stored unsealed: </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CONECTADO</source>
        <translation>CONNECTED</translation>
    </message>
</context>
<context>
    <name>TemplateFile</name>
    <message>
        <source>el archivo está vacío</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>el archivo no es un texto</source>
        <translation>the file is not a text file</translation>
    </message>
    <message>
        <source>la primera línea no es la de una plantilla</source>
        <translation>the first line is not a template line</translation>
    </message>
    <message>
        <source>la línea %1 no es válida</source>
        <translation>line %1 is not valid</translation>
    </message>
    <message>
        <source>el archivo está incompleto</source>
        <translation>the file is incomplete</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Esta plantilla no es correcta</source>
        <translation>This template is not valid</translation>
    </message>
    <message>
        <source>El tipo de central de la plantilla y del equipo no coinciden</source>
        <translation>The panel type of the template does not match the device&apos;s</translation>
    </message>
</context>
<context>
    <name>UpdateProtocol</name>
    <message>
        <source>Envío ... (Bloque </source>
        <translation>Sending ... (Block </translation>
    </message>
    <message>
        <source>Petición bloque </source>
        <translation>Requesting block </translation>
    </message>
    <message>
        <source> Iniciando la actualización ...</source>
        <translation> Starting the update ...</translation>
    </message>
    <message>
        <source>Error Time Out -&gt; trama: </source>
        <translation>Time-out error -&gt; frame: </translation>
    </message>
    <message>
        <source>Error en el inicio de la trama: </source>
        <translation>Error at the start of the frame: </translation>
    </message>
    <message>
        <source>Error al final de la trama: </source>
        <translation>Error at the end of the frame: </translation>
    </message>
    <message>
        <source>Error CRC de la trama: </source>
        <translation>Frame CRC error: </translation>
    </message>
</context>
<context>
    <name>velmar</name>
    <message>
        <source>Nueva actualización</source>
        <translation>New update</translation>
    </message>
    <message>
        <source>Descargar ahora</source>
        <translation>Download now</translation>
    </message>
</context>
<context>
    <name>velmar::AccountSession</name>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERROR!<byte value="xd"/></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>ERROR!<byte value="xd"/>Server connection error: <byte value="xd"/>Check the Internet connection</translation>
    </message>
    <message>
        <source>No puede acceder al programa porque no es instalador</source>
        <translation>You cannot use the program because you are not an installer</translation>
    </message>
    <message>
        <source>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</source>
        <translation>E-mail address not registered.<byte value="xd"/>Please enter the requested details.</translation>
    </message>
    <message>
        <source>Correo electrónico no verificado.<byte value="xd"/>Siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar </source>
        <translation>E-mail address not verified.<byte value="xd"/>Follow the instructions sent to your e-mail to complete the verification<byte value="xd"/>Then press again </translation>
    </message>
    <message>
        <source>Nuevo Usuario</source>
        <translation>New user</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Si sale de esta ventana antes de la verificación, los datos entrados se perderán.</source>
        <translation>.<byte value="xd"/>If you leave this window before verifying, the details entered will be lost.</translation>
    </message>
    <message>
        <source>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</source>
        <translation>Incorrect e-mail address.<byte value="xd"/>Please make sure you enter a valid address.</translation>
    </message>
    <message>
        <source>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</source>
        <translation>Invalid password.<byte value="xd"/>Please enter the correct password.</translation>
    </message>
    <message>
        <source>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</source>
        <translation>Too many failed attempts.<byte value="xd"/>Wait a moment and try again.</translation>
    </message>
    <message>
        <source>No se puede acceder ya que este usuario está inhabilitado</source>
        <translation>Access denied: this user has been disabled</translation>
    </message>
    <message>
        <source>El campo Correo electrónico no puede estar vacío</source>
        <translation>The E-mail field cannot be empty</translation>
    </message>
    <message>
        <source>El campo Contraseña no puede estar vacío</source>
        <translation>The Password field cannot be empty</translation>
    </message>
    <message>
        <source>Contraseña demasiado corta. Mínimo 6 caracteres</source>
        <translation>Password too short. Minimum 6 characters</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>The Company field cannot be empty</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>The Key field cannot be empty</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Key too short. Minimum 6 characters</translation>
    </message>
    <message>
        <source>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</source>
        <translation>A reference needs an installer<byte value="xd"/>Please enter an installer or delete the reference</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </source>
        <translation>ATTENTION!<byte value="xd"/>A message has been sent to </translation>
    </message>
    <message>
        <source> para su verificación.<byte value="xd"/>Siga sus instrucciones y después vuelva a pulsar </source>
        <translation> for verification.<byte value="xd"/>Follow its instructions and then press again </translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>New user</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Database access error: </translation>
    </message>
    <message>
        <source>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</source>
        <translation>The company, installer or reference do not match this user&apos;s.<byte value="xd"/>Please enter the correct details or register a new user</translation>
    </message>
    <message>
        <source>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</source>
        <translation>Company not registered<byte value="xd"/>Please enter the missing details</translation>
    </message>
    <message>
        <source>Sesión cerrada</source>
        <translation>Signed out</translation>
    </message>
    <message>
        <source>Correo electrónico no registrado</source>
        <translation>E-mail address not registered</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en </source>
        <translation>ATTENTION!<byte value="xd"/>User not registered<byte value="xd"/> To register, press </translation>
    </message>
    <message>
        <source>Faltan datos<byte value="xd"/>Pulse </source>
        <translation>Details missing<byte value="xd"/>Press </translation>
    </message>
    <message>
        <source> para completar el registro</source>
        <translation> to complete the registration</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</source>
        <translation>ERROR!<byte value="xd"/>The Key field does not match the database<byte value="xd"/>Please enter the correct key</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></source>
        <translation>ATTENTION!<byte value="xd"/>To request the password you must enter the E-mail address<byte value="xd"/></translation>
    </message>
    <message>
        <source> para restablecer la contraseña</source>
        <translation> to reset the password</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </source>
        <translation>ERROR!<byte value="xd"/>The message could not be sent to </translation>
    </message>
    <message>
        <source>Se ha producido un fallo en la conexión a Internet</source>
        <translation>The Internet connection has failed</translation>
    </message>
    <message>
        <source><byte value="xd"/>Compruebe la conexión a internet</source>
        <translation><byte value="xd"/>Check the Internet connection</translation>
    </message>
    <message>
        <source>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</source>
        <translation>This company/installer/reference does not exist<byte value="xd"/>The changes cannot be saved</translation>
    </message>
    <message>
        <source>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</source>
        <translation>Wrong key<byte value="xd"/>Please enter the correct key</translation>
    </message>
    <message>
        <source>Los cambios realizados se han guardado correctamente</source>
        <translation>The changes have been saved</translation>
    </message>
</context>
<context>
    <name>velmar::CircuitSearch</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Los datos empresa/instalador/referencia no existen en la base de datos.<byte value="xd"/>
¿Desea darlos de alta?<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
This company/installer/reference is not in the database.<byte value="xd"/>
Do you want to register it?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Yes    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    No    </translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No Internet connection</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Si desea acceder a otros equipos, primero debe cerrar esta conexión</source>
        <translation>You are connected remotely to a module<byte value="xd"/>
To reach other modules, close this connection first</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave es incorrecta.<byte value="xd"/>
Por favor, entre la clave<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
The key is wrong.<byte value="xd"/>
Please enter the key<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No puede haber una referencia sin instalador<byte value="xd"/>
Por favor, entre un instalador o borre la referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
A reference needs an installer<byte value="xd"/>
Please enter an installer or clear the reference<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Key too short. At least 6 characters<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
The key entered does not match the registered one<byte value="xd"/>
Please enter the correct key</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No se ha encontrado ningún equipo para esta empresa/instalador/referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
No module found for this company/installer/reference<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>A module is connected to the USB port.<byte value="xd"/>
Disconnect the USB port before connecting over the Internet</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por ADSL pero sí por GPRS<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de GPRS</source>
        <translation>This module is not connected over Ethernet but is over GPRS<byte value="xd"/>
To reach the module, double-click its GPRS cell</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por GPRS pero sí por ADSL<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de ADSL</source>
        <translation>This module is not connected over GPRS but is over Ethernet<byte value="xd"/>
To reach the module, double-click its Ethernet cell</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere eliminar el equipo </source>
        <translation>Are you sure you want to delete the module </translation>
    </message>
    <message>
        <source> ?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancel </translation>
    </message>
</context>
<context>
    <name>velmar::CloudDirectory</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Server connection error: <byte value="xd"/>The server name or address could not be resolved<byte value="xd"/>Check the Internet connection</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor</source>
        <translation>Server connection error</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Database access error: </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>Hay una nueva versión disponible<byte value="xd"/>
</source>
        <translation>A new version is available<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Server connection error: <byte value="xd"/>The database could not be reached<byte value="xd"/>Check the Internet connection</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>The Company field cannot be empty</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Check the Internet connection</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Key too short. Minimum 6 characters<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
The key entered does not match the registered one<byte value="xd"/>
Please enter the correct key</translation>
    </message>
    <message>
        <source>Nombre de empresa, instalador o referencia no válido</source>
        <translation>Invalid company, installer or reference name</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el histórico</source>
        <translation>The history cannot be read without an Internet connection</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de teléfonos</source>
        <translation>The phone list cannot be read without an Internet connection</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de usuarios</source>
        <translation>The user list cannot be read without an Internet connection</translation>
    </message>
    <message>
        <source>Este email no existe</source>
        <translation>This e-mail address does not exist</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Error: </translation>
    </message>
    <message>
        <source>respuesta del servidor no válida</source>
        <translation>invalid server response</translation>
    </message>
    <message>
        <source>Número de teléfono no válido: </source>
        <translation>Invalid telephone number: </translation>
    </message>
    <message>
        <source>Usuario no válido: </source>
        <translation>Invalid user: </translation>
    </message>
</context>
<context>
    <name>velmar::CommandChannel</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</source>
        <translation>This port cannot be opened<byte value="xd"/>
Unplug the cable and plug it in again</translation>
    </message>
</context>
<context>
    <name>velmar::DoorButtons</name>
    <message>
        <source>Abriendo</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Abierto</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Cerrado</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Esperando ...</source>
        <translation>Waiting ...</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>User not enabled</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    OK   </translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Open command</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Close command</translation>
    </message>
</context>
<context>
    <name>velmar::DoorLists</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>velmar::EventHistory</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No Internet connection</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> No device connected</translation>
    </message>
</context>
<context>
    <name>velmar::FirmwareUpdate</name>
    <message>
        <source>ACTUALIZACION</source>
        <translation>UPDATE</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> No device connected</translation>
    </message>
    <message>
        <source>Los datos recibidos para la actualización son incorrectos</source>
        <translation>The update data received are not valid</translation>
    </message>
    <message>
        <source>No se ha podido conectar a internet</source>
        <translation>Could not connect to the Internet</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>UPDATE ERROR</translation>
    </message>
    <message>
        <source> No hay una nueva actualización</source>
        <translation> No new update available</translation>
    </message>
    <message>
        <source>No se ha encontrado ninguna actualización</source>
        <translation>No update was found</translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</source>
        <translation>Communication with the server could not be established<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No Internet connection</translation>
    </message>
    <message>
        <source>Error en la conexión TCP: </source>
        <translation>TCP connection error: </translation>
    </message>
    <message>
        <source> CRC no coincideix: </source>
        <translation> CRC mismatch: </translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</source>
        <translation>Communication with the update server could not be established<byte value="xd"/>
Check that the PC port is open to receive data</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor de actualizaciones: </source>
        <translation>Update server connection error: </translation>
    </message>
    <message>
        <source>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</source>
        <translation>The information received from the update server is not valid<byte value="xd"/>
The connection is being closed</translation>
    </message>
    <message>
        <source>Se ha perdido la comunicación con el servidor de Actualizaciones</source>
        <translation>Communication with the update server has been lost</translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL VELMAR: ERROR GRAVE</source>
        <translation>VELMAR UPDATE: SERIOUS ERROR</translation>
    </message>
    <message>
        <source>Velmar actualizado a la versión </source>
        <translation>Velmar updated to version </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL VELMAR: FALLO DE CRC</source>
        <translation>VELMAR UPDATE: CRC FAILURE</translation>
    </message>
</context>
<context>
    <name>velmar::Identification</name>
    <message>
        <source>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</source>
        <translation>	HARDWARE CONFLICT<byte value="xd"/>
<byte value="xd"/>
This circuit cannot be read with this program<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>velmar::InfoInterpreter</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación con el equipo Velmar</source>
        <translation>Communication with the Velmar device has been cut</translation>
    </message>
    <message>
        <source>Conectando con BC600</source>
        <translation>Connecting to the BC600</translation>
    </message>
    <message>
        <source>Conectado a la Central BC600</source>
        <translation>Connected to the BC600 panel</translation>
    </message>
</context>
<context>
    <name>velmar::ListErase</name>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Yes    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    No    </translation>
    </message>
    <message>
        <source>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>All the events programmed in the circuit will be deleted<byte value="xd"/>
Are you sure?</translation>
    </message>
    <message>
        <source>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>All the zones programmed in the circuit will be deleted<byte value="xd"/>
Are you sure?</translation>
    </message>
    <message>
        <source>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>All the operators of the circuit will be deleted<byte value="xd"/>
Are you sure?</translation>
    </message>
    <message>
        <source>Borrando el listado de operadoras</source>
        <translation>Deleting the operator list</translation>
    </message>
</context>
<context>
    <name>velmar::ModuleCommands</name>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source> Se cambiará el estado de la salida </source>
        <translation> The state of the output will change </translation>
    </message>
    <message>
        <source> Cambiar </source>
        <translation> Change </translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancel </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Output restored: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Output triggered: </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código de programación demasiado corto. Mínimo 4 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Programming code too short. Minimum 4 characters<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Close   </translation>
    </message>
    <message>
        <source><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Checking the access code ... <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Access</translation>
    </message>
</context>
<context>
    <name>velmar::ProgrammingState</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Panel under remote control<byte value="xd"/>Programming is not available</translation>
    </message>
</context>
<context>
    <name>velmar::ReadCycle</name>
    <message>
        <source>Leyendo</source>
        <translation>Reading</translation>
    </message>
</context>
<context>
    <name>velmar::SingleInstance</name>
    <message>
        <source>Velmar Q7R2T CLOUD<byte value="xd"/>
<byte value="xd"/>
Ya hay una versión de este programa ejecutándose <byte value="xd"/>
maximícelo desde la barra de tareas de Windows.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>Velmar Q7R2T CLOUD<byte value="xd"/>
<byte value="xd"/>
Another copy of this program is already running <byte value="xd"/>
maximise it from the Windows taskbar.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>velmar::StatusDisplay</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DISABLED</translation>
    </message>
    <message>
        <source>Buscando módulo</source>
        <translation>Searching for module</translation>
    </message>
    <message>
        <source>Buscando SIM</source>
        <translation>Searching for SIM</translation>
    </message>
    <message>
        <source>Registrándose</source>
        <translation>Registering</translation>
    </message>
    <message>
        <source>CONECTADO A LA RED</source>
        <translation>CONNECTED TO THE NETWORK</translation>
    </message>
    <message>
        <source>CONECTADO A INTERNET</source>
        <translation>CONNECTED TO THE INTERNET</translation>
    </message>
    <message>
        <source>CONECTADO A RECEPTORA</source>
        <translation>CONNECTED TO THE ARC</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>NOT   CONNECTED</translation>
    </message>
    <message>
        <source>SIN CONEXIÓN A RECEPTORA</source>
        <translation>NOT CONNECTED TO THE ARC</translation>
    </message>
    <message>
        <source>COM: </source>
        <translation>COM: </translation>
    </message>
    <message>
        <source>Central no programada</source>
        <translation>Panel not programmed</translation>
    </message>
    <message>
        <source>desconectado</source>
        <translation>disconnected</translation>
    </message>
    <message>
        <source>CONECTADA</source>
        <translation>CONNECTED</translation>
    </message>
    <message>
        <source>NO DISPONIBLE</source>
        <translation>NOT AVAILABLE</translation>
    </message>
    <message>
        <source>GPRS: No disponible</source>
        <translation>GPRS: Not available</translation>
    </message>
    <message>
        <source>ADSL : No disponible</source>
        <translation>ADSL : Not available</translation>
    </message>
</context>
<context>
    <name>velmar::StatusMonitor</name>
    <message>
        <source>Se ha cortado la comunicación con el equipo Velmar</source>
        <translation>Communication with the Velmar device has been cut</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación entre el equipo Velmar y el servidor de actualizaciones</source>
        <translation>Communication between the Velmar device and the update server has been cut</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>UPDATE ERROR</translation>
    </message>
</context>
<context>
    <name>velmar::TelecontrolBridge</name>
    <message>
        <source>«%1» no es un puerto válido</source>
        <translation>&quot;%1&quot; is not a valid port</translation>
    </message>
    <message>
        <source>«%1» no es una dirección IPv4 válida</source>
        <translation>&quot;%1&quot; is not a valid IPv4 address</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Asegúrese que la IP y el puerto coinciden con los del programa AGE44</source>
        <translation>Make sure the IP address and the port match those of the AGE44 program</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Close   </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>El puerto no puede estar vacío<byte value="xd"/></source>
        <translation>The port cannot be empty<byte value="xd"/></translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    OK   </translation>
    </message>
    <message>
        <source>Error al acceder a la IP de la Central : <byte value="xd"/></source>
        <translation>Error accessing the panel&apos;s IP address: <byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>velmar::WriteCycle</name>
    <message>
        <source>Programando</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</source>
        <translation>The current values will be erased and the factory values restored<byte value="xd"/>
<byte value="xd"/>
Do you agree?</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Yes    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    No    </translation>
    </message>
    <message>
        <source>Restaurando</source>
        <translation>Restoring</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>No se han podido programar los campos marcados en rojo:<byte value="xd"/>
</source>
        <translation>The fields marked in red could not be programmed:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No se han podido restaurar los valores de fábrica</source>
        <translation>The factory values could not be restored</translation>
    </message>
</context>
<context>
    <name>velmar::history::EventTexts</name>
    <message>
        <source>Abierta</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Cerrada</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Open command</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Close command</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>Opening</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Llamada recibida: abriendo puerta</source>
        <translation>Call received: opening door</translation>
    </message>
    <message>
        <source>Fuera del horario permitido</source>
        <translation>Outside permitted hours</translation>
    </message>
    <message>
        <source>Número no habilitado</source>
        <translation>Number not enabled</translation>
    </message>
    <message>
        <source>Número no registrado</source>
        <translation>Number not registered</translation>
    </message>
    <message>
        <source>Orden dada a la Central</source>
        <translation>Command sent to the panel</translation>
    </message>
    <message>
        <source>Orden dada a las Salidas</source>
        <translation>Command sent to the outputs</translation>
    </message>
    <message>
        <source>Usuario fuera del horario permitido</source>
        <translation>User outside permitted hours</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>User not enabled</translation>
    </message>
    <message>
        <source>Usuario demasiado lejos</source>
        <translation>User too far away</translation>
    </message>
    <message>
        <source>Posición del usuario desconocida</source>
        <translation>User position unknown</translation>
    </message>
    <message>
        <source>Posición del equipo no registrada</source>
        <translation>Device position not registered</translation>
    </message>
    <message>
        <source>Entrada no activada</source>
        <translation>Input not activated</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Time: </translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Reference: </translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Button</translation>
    </message>
</context>
<context>
    <name>velmar::history::HistoryExport</name>
    <message>
        <source>No se ha podido crear el libro</source>
        <translation>The workbook could not be created</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccessCodePanel</name>
    <message>
        <source>Código de acceso a la programación:</source>
        <translation>Programming access code:</translation>
    </message>
    <message>
        <source>Entrar</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccountDataDialog</name>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Installer:</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Protección de datos: la dirección de correo, el alias y la empresa, instalador y referencia de esta cuenta se guardan en la nube del servicio para dar acceso a los equipos de la instalación. Solo se usan para este fin y se borran al darse de baja.</source>
        <translation>Data protection: this account&apos;s e-mail address, alias, company, installer and reference are kept in the service&apos;s cloud to give access to the installation&apos;s modules. They are used for this purpose only and are deleted when the account is closed.</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Save changes</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Sign in</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccountDialog</name>
    <message>
        <source>Ver</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Mantenga pulsado para ver el texto</source>
        <translation>Hold down to show the text</translation>
    </message>
    <message>
        <source>Cuenta de usuario</source>
        <translation>User account</translation>
    </message>
    <message>
        <source>Correo electrónico (*)</source>
        <translation>E-mail (*)</translation>
    </message>
    <message>
        <source>Contraseña (*)</source>
        <translation>Password (*)</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>New user</translation>
    </message>
    <message>
        <source>¿Olvidó la contraseña?</source>
        <translation>Forgotten your password?</translation>
    </message>
    <message>
        <source>Empresa (*)</source>
        <translation>Company (*)</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Clave (*)</source>
        <translation>Key (*)</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>(*) Campos obligatorios</source>
        <translation>(*) Required fields</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AguileraC5View</name>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA AE/C5</source>
        <translation>AGUILERA AE/C5 FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>PANEL UNDER REMOTE CONTROL</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARM</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>FAULT</translation>
    </message>
    <message>
        <source>SIRENAS</source>
        <translation>SIRENS</translation>
    </message>
    <message>
        <source>RETARDO</source>
        <translation>DELAY</translation>
    </message>
    <message>
        <source>DESCONEXION</source>
        <translation>DISCONNECTION</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>220V</source>
        <translation>230V</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>CONECTAR DESCONECTAR</source>
        <translation>CONNECT DISCONNECT</translation>
    </message>
    <message>
        <source>       PRUEBA AVANCE</source>
        <translation>       WALK TEST</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>DISPARO SIRENAS      </source>
        <translation>SOUND SIRENS      </translation>
    </message>
    <message>
        <source>SILENCIAR SIRENAS    </source>
        <translation>SILENCE SIRENS    </translation>
    </message>
</context>
<context>
    <name>velmar::ui::AguileraSaView</name>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA AE/SA</source>
        <translation>AGUILERA AE/SA FIRE ALARM PANEL</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>PANEL UNDER REMOTE CONTROL</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARM</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>FAULT</translation>
    </message>
    <message>
        <source>DESCONEC.</source>
        <translation>DISCONN.</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>TEST</translation>
    </message>
    <message>
        <source>  PROCESO EN CURSO</source>
        <translation>  PROCESS RUNNING</translation>
    </message>
    <message>
        <source>  Espere un momento, por favor ...</source>
        <translation>  Please wait a moment ...</translation>
    </message>
    <message>
        <source>SILENCIO</source>
        <translation>SILENCE</translation>
    </message>
    <message>
        <source>REPOSICION</source>
        <translation>RESTORE</translation>
    </message>
    <message>
        <source>REARME</source>
        <translation>RESET</translation>
    </message>
</context>
<context>
    <name>velmar::ui::BridgePanel</name>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Puerto:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Salir sin cambiar</source>
        <translation>Leave unchanged</translation>
    </message>
    <message>
        <source>Conexión AGE44</source>
        <translation>AGE44 connection</translation>
    </message>
</context>
<context>
    <name>velmar::ui::CircuitSearchPage</name>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Installer:</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>BUSCAR</source>
        <translation>SEARCH</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Key:</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Mantenga pulsado para ver la clave</source>
        <translation>Hold down to see the key</translation>
    </message>
    <message>
        <source>ACEPTAR</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Doble click para acceder al equipo o eliminarlo</source>
        <translation>Double-click to reach the module or delete it</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>velmar::ui::DatePicker</name>
    <message>
        <source>es_ES</source>
        <comment>locale of the calendar&apos;s month and day names</comment>
        <translation>en_GB</translation>
    </message>
</context>
<context>
    <name>velmar::ui::FieldBinder</name>
    <message>
        <source>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>This IP address is not valid<byte value="xd"/>Please enter a correct address</translation>
    </message>
    <message>
        <source>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>This e-mail address is not valid<byte value="xd"/>Please enter a correct address</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código de programación demasiado corto. Mínimo 4 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Programming code too short. Minimum 4 characters<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Close   </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    OK   </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
</context>
<context>
    <name>velmar::ui::HistoryPage</name>
    <message>
        <source>REGISTRO DE EVENTOS</source>
        <translation>EVENT LOG</translation>
    </message>
    <message>
        <source>A partir de: </source>
        <translation>From: </translation>
    </message>
    <message>
        <source>Selecciona</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Borrar la fecha</source>
        <translation>Clear the date</translation>
    </message>
    <message>
        <source>Leer los eventos</source>
        <translation>Read events</translation>
    </message>
    <message>
        <source>Exportar a Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Guardar el registro como libro de hoja de cálculo (.xlsx)</source>
        <translation>Save the log as a spreadsheet workbook (.xlsx)</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Guardar el registro como texto separado por comas (.csv)</source>
        <translation>Save the log as comma-separated text (.csv)</translation>
    </message>
</context>
<context>
    <name>velmar::ui::InfoWindow</name>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Hexa</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Enviar al Velmar</source>
        <translation>Send to the Velmar</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Gsm</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>Uart</source>
        <translation>UART</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Enviar al GSM</source>
        <translation>Send to the GSM</translation>
    </message>
    <message>
        <source>Guardar la información</source>
        <translation>Save the information</translation>
    </message>
    <message>
        <source>Texto (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Error saving : </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    OK   </translation>
    </message>
    <message>
        <source>Informació port sèrie i TCP</source>
        <translation>Serial port and TCP information</translation>
    </message>
</context>
<context>
    <name>velmar::ui::MainWindow</name>
    <message>
        <source>No se ha podido guardar la configuración</source>
        <translation>The settings could not be saved</translation>
    </message>
    <message>
        <source>Cerrar sesión</source>
        <translation>Sign out</translation>
    </message>
    <message>
        <source>Importar el listado de eventos</source>
        <translation>Import the event list</translation>
    </message>
    <message>
        <source>Exportar el listado de eventos</source>
        <translation>Export the event list</translation>
    </message>
    <message>
        <source>Listado de eventos (*.txt)</source>
        <translation>Event list (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de operadoras</source>
        <translation>Import the operator list</translation>
    </message>
    <message>
        <source>Exportar el listado de operadoras</source>
        <translation>Export the operator list</translation>
    </message>
    <message>
        <source>Listado de operadoras (*.txt)</source>
        <translation>Operator list (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de teléfonos</source>
        <translation>Import the phone list</translation>
    </message>
    <message>
        <source>Exportar el listado de teléfonos</source>
        <translation>Export the phone list</translation>
    </message>
    <message>
        <source>Listado de teléfonos (*.txt)</source>
        <translation>Phone list (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de zonas</source>
        <translation>Import the zone list</translation>
    </message>
    <message>
        <source>Exportar el listado de zonas</source>
        <translation>Export the zone list</translation>
    </message>
    <message>
        <source>Listado de zonas (*.txt)</source>
        <translation>Zone list (*.txt)</translation>
    </message>
    <message>
        <source>Fichero error</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Este fichero no es correcto</source>
        <translation>This file is not valid</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Close   </translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Yes    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    No    </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    OK   </translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Error saving : </translation>
    </message>
    <message>
        <source>Remoto</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Remota</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Conectando</source>
        <translation>Connecting</translation>
    </message>
    <message>
        <source>Conectando con el circuito</source>
        <translation>Connecting to the circuit</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>NOT   CONNECTED</translation>
    </message>
    <message>
        <source>&amp;Programación</source>
        <translation>&amp;Programming</translation>
    </message>
    <message>
        <source>CONECTADO</source>
        <translation>CONNECTED</translation>
    </message>
    <message>
        <source> No se puede acceder al puerto :</source>
        <translation> Cannot access the port :</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Comunicación</source>
        <translation>&amp;Communication</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Puerto USB:</source>
        <translation>USB port:</translation>
    </message>
    <message>
        <source>Transmisión</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Recepción</source>
        <translation>Reception</translation>
    </message>
    <message>
        <source>Prog.</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <source>Programación del equipo</source>
        <translation>Device programming</translation>
    </message>
    <message>
        <source>        Registrado por: </source>
        <translation>        Registered by: </translation>
    </message>
    <message>
        <source>        sin internet</source>
        <translation>        no Internet</translation>
    </message>
    <message>
        <source>Leyendo</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Estado del equipo</source>
        <translation>Device status</translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Template</translation>
    </message>
    <message>
        <source>Guardar plantilla</source>
        <translation>Save template</translation>
    </message>
    <message>
        <source>Importar datos de plantilla</source>
        <translation>Import template data</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION!</translation>
    </message>
    <message>
        <source>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</source>
        <translation>To save a template with all the fields, press [All]<byte value="xd"/>
To save a template with the marked fields, press [Red]</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Esta plantilla ya existe, ¿desea sobreescribirla?</source>
        <translation>This template already exists. Do you want to overwrite it?</translation>
    </message>
    <message>
        <source>    Plantilla creada correctamente    </source>
        <translation>    Template created successfully    </translation>
    </message>
    <message>
        <source>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </source>
        <translation>An error occurred while loading the template<byte value="xd"/>
<byte value="xd"/>
ERROR : </translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>    Plantilla cargada    </source>
        <translation>    Template loaded    </translation>
    </message>
    <message>
        <source>Actual.</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Actualizar el firmware del equipo</source>
        <translation>Update the device firmware</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> No device connected</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</source>
        <translation>You are connected remotely to a device<byte value="xd"/>
Close this connection before changing the language</translation>
    </message>
    <message>
        <source>VLM - Software de programación Ver. </source>
        <translation>VLM - Programming software Ver. </translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Buscar los equipos de la empresa</source>
        <translation>Find the company&apos;s modules</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Los eventos del equipo guardados en la nube</source>
        <translation>The device&apos;s events stored in the cloud</translation>
    </message>
    <message>
        <source>Exportar a Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Libro de hoja de cálculo (*.xlsx)</source>
        <translation>Spreadsheet workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>Texto CSV (*.csv)</source>
        <translation>CSV text (*.csv)</translation>
    </message>
    <message>
        <source>El registro se ha guardado en</source>
        <translation>The log has been saved to</translation>
    </message>
    <message>
        <source>¿Desea abrirlo?</source>
        <translation>Do you want to open it?</translation>
    </message>
    <message>
        <source>No hay ningún programa para abrir este fichero</source>
        <translation>There is no program to open this file</translation>
    </message>
    <message>
        <source>Bidi</source>
        <translation>Bidi</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>No Internet connection</translation>
    </message>
</context>
<context>
    <name>velmar::ui::PanelPage</name>
    <message>
        <source>Comunicación con la central</source>
        <translation>Communication with the panel</translation>
    </message>
    <message>
        <source>Velocidad, paridad:</source>
        <translation>Speed, parity:</translation>
    </message>
    <message>
        <source>Dirección del equipo en el bus de la central (hexadecimal)</source>
        <translation>Device address on the panel bus (hexadecimal)</translation>
    </message>
    <message>
        <source>Dirección:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Listado de zonas</source>
        <translation>Zone list</translation>
    </message>
    <message>
        <source>Listado de eventos</source>
        <translation>Event list</translation>
    </message>
    <message>
        <source>Nombre del fichero del listado de zonas</source>
        <translation>File name of the zone list</translation>
    </message>
    <message>
        <source>Nombre del fichero del listado de eventos</source>
        <translation>File name of the event list</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Envío a la App de los códigos CID:</source>
        <translation>Sending of the CID codes to the App:</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>ACCESS CONTROL</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>T. apertura</source>
        <translation>Opening t.</translation>
    </message>
    <message>
        <source>T. abierta</source>
        <translation>Open t.</translation>
    </message>
    <message>
        <source>T. cierre</source>
        <translation>Closing t.</translation>
    </message>
    <message>
        <source>Botón %1</source>
        <translation>Button %1</translation>
    </message>
    <message>
        <source>Botones</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>Salidas de cada botón</source>
        <translation>Outputs of each button</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Cargar tel.</source>
        <translation>Load phones</translation>
    </message>
    <message>
        <source>Cargar usuario</source>
        <translation>Load users</translation>
    </message>
</context>
<context>
    <name>velmar::ui::PanelView</name>
    <message>
        <source>Alarma</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Prueba</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Prealarma</source>
        <translation>Pre-alarm</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Technical alarm</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Mensajes</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS </source>
        <translation>FIRE ALARM PANEL </translation>
    </message>
</context>
<context>
    <name>velmar::ui::ParameterHints</name>
    <message>
        <source>Parámetro : </source>
        <translation>Parameter: </translation>
    </message>
    <message>
        <source>Parámetro : a partir de </source>
        <translation>Parameters from </translation>
    </message>
</context>
<context>
    <name>velmar::ui::ProgrammingView</name>
    <message>
        <source>Accesos</source>
        <translation>Access</translation>
    </message>
    <message>
        <source>ERROR / RESTAURACIÓN</source>
        <translation>ERROR / RESTORE</translation>
    </message>
    <message>
        <source>Modo pulsante</source>
        <translation>Pulse mode</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Avisos y CRA</source>
        <translation>Reports and ARC</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Leer el circuito</source>
        <translation>Read the circuit</translation>
    </message>
    <message>
        <source>Programar el circuito</source>
        <translation>Program the circuit</translation>
    </message>
    <message>
        <source>Restaurar los valores de fábrica</source>
        <translation>Restore the factory values</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Lee del equipo los valores de la página mostrada</source>
        <translation>Reads the values of the page shown from the device</translation>
    </message>
    <message>
        <source>Programar página</source>
        <translation>Program page</translation>
    </message>
    <message>
        <source>Programa en el equipo los campos modificados de la página mostrada</source>
        <translation>Programs the changed fields of the page shown into the device</translation>
    </message>
    <message>
        <source>Programar</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Programa en el equipo todos los campos modificados</source>
        <translation>Programs all the changed fields into the device</translation>
    </message>
    <message>
        <source>Identificación</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Modelo de la central conectada al equipo</source>
        <translation>Model of the panel connected to the device</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Installer:</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Teléfono del equipo:</source>
        <translation>Device phone:</translation>
    </message>
    <message>
        <source>Password SMS:</source>
        <translation>SMS password:</translation>
    </message>
    <message>
        <source>PIN de la SIM:</source>
        <translation>SIM PIN:</translation>
    </message>
    <message>
        <source>Código de programación:</source>
        <translation>Programming code:</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>FRANJA HORARIA</source>
        <translation>TIME ZONE</translation>
    </message>
    <message>
        <source>Red Ethernet (ADSL)</source>
        <translation>Ethernet network (ADSL)</translation>
    </message>
    <message>
        <source>Dirección por DHCP</source>
        <translation>Address by DHCP</translation>
    </message>
    <message>
        <source>Dirección MAC del equipo</source>
        <translation>MAC address of the device</translation>
    </message>
    <message>
        <source>Dirección IP:</source>
        <translation>IP address:</translation>
    </message>
    <message>
        <source>Máscara de subred:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Puerta de enlace:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>DNS primario:</source>
        <translation>Primary DNS:</translation>
    </message>
    <message>
        <source>DNS secundario:</source>
        <translation>Secondary DNS:</translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation>MAC:</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Partes activas</source>
        <translation>Active parts</translation>
    </message>
    <message>
        <source>Operadoras GPRS</source>
        <translation>GPRS operators</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Borra todas las operadoras del equipo</source>
        <translation>Deletes all the operators of the device</translation>
    </message>
    <message>
        <source>Servidor de correo (SMTP)</source>
        <translation>Mail server (SMTP)</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Muestra u oculta la contraseña</source>
        <translation>Shows or hides the password</translation>
    </message>
    <message>
        <source>Servidor SMTP:</source>
        <translation>SMTP server:</translation>
    </message>
    <message>
        <source>Puerto:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Usuario:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Remitente:</source>
        <translation>Sender:</translation>
    </message>
    <message>
        <source>Asunto:</source>
        <translation>Subject:</translation>
    </message>
    <message>
        <source>Avisos por SMS</source>
        <translation>SMS reports</translation>
    </message>
    <message>
        <source>Avisos por e-mail</source>
        <translation>E-mail reports</translation>
    </message>
    <message>
        <source>Varios teléfonos separados por &quot;;&quot;</source>
        <translation>Several phone numbers separated by &quot;;&quot;</translation>
    </message>
    <message>
        <source>Teléfonos %1:</source>
        <translation>Phones %1:</translation>
    </message>
    <message>
        <source>Varias direcciones separadas por &quot;;&quot;</source>
        <translation>Several addresses separated by &quot;;&quot;</translation>
    </message>
    <message>
        <source>E-mail %1:</source>
        <translation>E-mail %1:</translation>
    </message>
    <message>
        <source>Central receptora de alarmas (CRA)</source>
        <translation>Alarm receiving centre (ARC)</translation>
    </message>
    <message>
        <source>Dirección IP</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Abonado</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>CRA %1.%2:</source>
        <translation>ARC %1.%2:</translation>
    </message>
    <message>
        <source>Códigos Contact ID en hexadecimal</source>
        <translation>Contact ID codes in hexadecimal</translation>
    </message>
    <message>
        <source>Polling (minutos):</source>
        <translation>Polling (minutes):</translation>
    </message>
    <message>
        <source>Envío a la App:</source>
        <translation>Sending to the App:</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>INPUTS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>OUTPUTS</translation>
    </message>
    <message>
        <source>SISTEMA</source>
        <translation>SYSTEM</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Avisos de las entradas</source>
        <translation>Input reports</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Avisos de las salidas</source>
        <translation>Output reports</translation>
    </message>
    <message>
        <source>Activación por el sistema</source>
        <translation>Activation by the system</translation>
    </message>
    <message>
        <source>Activación por entradas</source>
        <translation>Activation by inputs</translation>
    </message>
    <message>
        <source>Inicio del sistema</source>
        <translation>System start-up</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Periodic test</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Power supply</translation>
    </message>
    <message>
        <source>Pérdidas de comunicación</source>
        <translation>Communication losses</translation>
    </message>
</context>
<context>
    <name>velmar::ui::StatusPage</name>
    <message>
        <source>ESTADO GENERAL</source>
        <translation>GENERAL STATUS</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reinicia el equipo</source>
        <translation>Restarts the device</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>El equipo envía un informe de test</source>
        <translation>The device sends a test report</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Report to the ARC</translation>
    </message>
    <message>
        <source>El equipo envía un test a la central receptora</source>
        <translation>The device sends a test to the alarm receiving centre</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>INPUTS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>OUTPUTS</translation>
    </message>
    <message>
        <source>TAMPER</source>
        <translation>TAMPER</translation>
    </message>
    <message>
        <source>ALIMENTACIÓN</source>
        <translation>POWER SUPPLY</translation>
    </message>
    <message>
        <source>EVENTOS</source>
        <translation>EVENTS</translation>
    </message>
    <message>
        <source>Filtrados</source>
        <translation>Filtered</translation>
    </message>
    <message>
        <source>Todos los eventos o solo los del instalador</source>
        <translation>All the events or only the installer&apos;s</translation>
    </message>
    <message>
        <source>Todos</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Parar/Continuar</source>
        <translation>Stop/Continue</translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>velmar::ui::UpdatePage</name>
    <message>
        <source>FirmWare:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>HardWare:</source>
        <translation>Hardware:</translation>
    </message>
    <message>
        <source>Buscar nuevas versiones a actualizar</source>
        <translation>Search for new versions to update</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>BYTES</source>
        <translation>BYTES</translation>
    </message>
    <message>
        <source>DESCARGAR</source>
        <translation>DOWNLOAD</translation>
    </message>
</context>
</TS>

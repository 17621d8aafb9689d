<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="es_ES">
<context>
    <name>CodeTables</name>
    <message>
        <source>Equipo no configurado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Térmico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Iónico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Óptico (Fotoeléctrico)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulsador Manual de alarma (MCP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo de Control salida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo de Entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo de Sistemas de Sprinkler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor VIEW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo CDI de Zonas Convencionales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida de Sirena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo AUXILIAR (señal técnica)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo Monitor de Zonas Convencionales (ZMX o M512)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Multicriterio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldModel</name>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-08:00) Los Angeles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-07:00) Denver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-06:00) Chicago</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-05:00) Bogotá</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-04:00) Caracas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-03:00) Punta Arenas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-02:00) Noronha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC-01:00) Azores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+00:00) Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+01:00) Madrid, Paris, Berlin, Roma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+02:00) Riga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+03:00) Moscú</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+04:00) Dubai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+05:00) Karachi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+06:00) Omsk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+07:00) Jakarta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+08:00) Hong Kong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+09:00) Seúl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+10:00) Vladivostok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+11:00) Magadan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+12:00) McMurdo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(UTC+13:00) Nuku alofa, Samoa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Código CID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Operadora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>APN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensaje disparo/mensaje restaura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alim.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T.Act.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T.Des.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Todas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensaje activa/Mensaje desactiva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texto del mensaje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N. Disp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N. Rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T. Disp.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T. Rest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensaje de fallo/Mensaje de recuperación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida ADSL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida CRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida Servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sal.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activ.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T.Ent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referencia </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Habilita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botón</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E/S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avería</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Comunicación con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Perdida tensión 230V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fallo Alimentación principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Batería baja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fallo de tierra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Alarma pulsador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Alarma detector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avería línea Abierta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avería línea Cruzada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Punto en pruebas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Alarma Pulsador Prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Alarma Detector Prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Anulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Avería línea Abierta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Avería línea Cruzada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Avería 24V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Prealarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Disparo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Relé Aborto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Abierta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Cruzada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Sirena 1 disparo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Abierta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Cruzada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Sirena 2 disparo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Avería General línea Abierta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Avería General línea Cruzada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Relé Avería General disparo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fuente aliment. Avería cargador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fuente aliment. Avería batería descargada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fuente aliment. Avería sin red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fuente aliment. Avería 30V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avería batería descargada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fallo circuito abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fallo cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zona en pruebas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avería cargador baterías</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avería fallo de baterías</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avería de la central fallo 220V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Sirenas fallo/anuladas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Av. sirenas anuladas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma detector Esclavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma pulsador Esclavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma pulsador Exterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo evento</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>marca de borrado incorrecta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>valor de habilitación incorrecto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el número de zona no es correcto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>número de zona fuera de rango (1 a 1023)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>código CID demasiado largo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nombre de más de %1 caracteres</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleStatus</name>
    <message>
        <source>Fecha:                     Hora: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empresa: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware: 	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware: 	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Cobertura:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Kbytes / </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo GSM:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ver.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Imei: 	</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   SIM: 	</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NamedTexts</name>
    <message>
        <source>Inicio del sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha generado un Reset de soft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error 0x01</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error 0x02</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fallo de hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grabando los parámetros en la Flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leyendo los parámetros de la Flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se añade envio a la CRA: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se añade envio al servidor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se añade envio de e-mail: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se añade envio de SMS: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo del servidor actualizado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comando enviado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM no inicializado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM inicializado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envia Hexa por COM: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envia String por COM: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo GPRS no inicializado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo GPRS inicializado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se enciende el módulo GPRS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se apaga el módulo GPRS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envío por GPRS: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SRING recibido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recibido por GPRS: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: No se puede resolver el DNS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: Socket abierto demasiado tiempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: Error de socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del GPRS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiempo del GPRS actualizado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo GPRS detectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falta el PIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscando la SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIM y PIN correctos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Módulo GPRS preparado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conexión GPRS creada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA (borrado): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado (borrado):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: SMS enviado: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: SMS enviado (borrado):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: SMS recibido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: Entrada en bidireccional con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: Salida de bidireccional con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet desactivado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet activado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: LinkDown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: LinkUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: 10 MBit/Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Error de negociación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: DhcpAddress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Respuesta recibida de la CRA: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Socket abierto a la CRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Socket cerrado a la CRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Resolviendo DNS...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA (borrado): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Inicio de la conexión con el servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Conectado a la red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Conectado al servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Suscrito al servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Error de conexión con el servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Error de conexión a la red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Error de respuesta del servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Envío al servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail (borrado): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Entrada en bidireccional con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL: Salida de bidireccional con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E/S no inicializadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E/S inicializadas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada disparada: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrada restaurada: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se permite modificar la salida: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida de </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperado </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper disparado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alimentación recuperada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alimentación baja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper restaurado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha perdido la comuniación con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR de Checksum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La Central responde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datos recibidos: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envia comando a la Central: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comando de Telecontrol: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdida de comunicación con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperación de comunicación con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR de cheksum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recibido de la Central: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bireccional recibido de la Central: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paso a Pruebas z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fin de pruebas z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paso a Alarma z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fin de alarma z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paso a Averia z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fin de averia z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paso a Desconexion z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fin de desconexion z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fallo de comunicación entre interface y Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperación de comunicación entre interface y Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envía comando de usuario a la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recibido de Central:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin comunicación con la Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Respuesta Central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checksum ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paso a Alarma Detector z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin de alarma Detector z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paso a Alarma Pulsador z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin de alarma Pulsador z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paso a Averia z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin de averia z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paso a Desconexion z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin de desconexion z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paso a Pruebas z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin de pruebas z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paso a Alarma en Pruebas z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin de alarma en Pruebas z.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fallo 220V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperado 220V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fallo Bateria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recuperado Bateria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma detector Esclavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma pulsador Esclavo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma pulsador Exterior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCONEXION DE ZONA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCONEXION DE RELES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCONEXION DE SIRENAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCONEXION DE ELEMENTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FALLO DE 24V EN MÓDULO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEÑAL TÉCNICA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATERIA PRIMARIA (RADIO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATERIA SECUNDARIA (RADIO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAMPER ABIERTO (RADIO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR FATAL (RADIO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR DE RADIOFRECUENCIA</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelEvents</name>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FALLO DE 24V EN MÓDULO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEÑAL TÉCNICA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATERIA PRIMARIA (RADIO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BATERIA SECUNDARIA (RADIO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAMPER ABIERTO (RADIO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR FATAL (RADIO)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR DE RADIOFRECUENCIA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCONEXION DE ZONA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCONEXION DE RELES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCONEXION DE SIRENAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCONEXION DE ELEMENTO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Avería</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valor: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PREALARMA </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AV ZONA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AV CTRAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FUEGO: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EVACUACIÓN: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALERTA: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SEGURIDAD: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVERÍA: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESACTIVACIÓN: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALARMA TÉCNICA: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRUEBA: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MODO DE PRUEBA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corto circuito en lazo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuito abierto en lazo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería de salida supervisada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>desactivado zona</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modo de prueba audible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirección lógica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evento: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> de </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cent : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lazo: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dir.  : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evacuación manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dir: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zona: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin alarmas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin averias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin eventos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nivel instalador</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelFronts</name>
    <message>
        <source>Rearme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silenciar zumbador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silenciar sirenas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zumbador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equipos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sirenas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activar sirenas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anulada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tierra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servicio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ruta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prealarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desactivado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desconexión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enterado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disparo sirenas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evacuación</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelOrders</name>
    <message>
        <source>¿Está seguro que quiere Rearmar la Central?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rearmando la Central desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Está seguro que quiere hacer Reset a la Central?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset a la Central desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reposición de la Central desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Está seguro que quiere silenciar el zumbador?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silenciar zumbador desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Está seguro que quiere silenciar la sirena?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silenciar sirena desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Está seguri que quiere silenciar/activar la sirena?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disparo sirena desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activar sirenas desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evacuación manual desde PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activar modo pruebas/anulado desde PC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelPage</name>
    <message>
        <source>BaudRate,paritat (por ejemplo %1,e)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BC600/216</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS DETNOV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AVENAR (BOSCH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM ZAFIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS ID3000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS CCD-100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS MA-2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS JADEBIRD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS C-TEC XFP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS PL-100/LT-159</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordSeal</name>
    <message>
        <source>es una carpeta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no hay bytes aleatorios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el cifrado AES-256-GCM ha fallado</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowFileText</name>
    <message>
        <source>El fichero es demasiado grande (más de %1 KB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El fichero no es un fichero de texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El fichero está vacío</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>número de campos incorrecto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>línea demasiado larga</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Contraseña guardada sin sellar: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CONECTADO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateFile</name>
    <message>
        <source>el archivo está vacío</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el archivo no es un texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la primera línea no es la de una plantilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la línea %1 no es válida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el archivo está incompleto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Esta plantilla no es correcta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El tipo de central de la plantilla y del equipo no coinciden</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateProtocol</name>
    <message>
        <source>Envío ... (Bloque </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Petición bloque </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Iniciando la actualización ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Time Out -&gt; trama: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en el inicio de la trama: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al final de la trama: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error CRC de la trama: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar</name>
    <message>
        <source>Nueva actualización</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descargar ahora</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::AccountSession</name>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puede acceder al programa porque no es instalador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correo electrónico no verificado.<byte value="xd"/>Siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuevo Usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Si sale de esta ventana antes de la verificación, los datos entrados se perderán.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede acceder ya que este usuario está inhabilitado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El campo Correo electrónico no puede estar vacío</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El campo Contraseña no puede estar vacío</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contraseña demasiado corta. Mínimo 6 caracteres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> para su verificación.<byte value="xd"/>Siga sus instrucciones y después vuelva a pulsar </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sesión cerrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correo electrónico no registrado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faltan datos<byte value="xd"/>Pulse </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> para completar el registro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> para restablecer la contraseña</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha producido un fallo en la conexión a Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>Compruebe la conexión a internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los cambios realizados se han guardado correctamente</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::CloudDirectory</name>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de conexión con el servidor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hay una nueva versión disponible<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre de empresa, instalador o referencia no válido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el histórico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de teléfonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de usuarios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Este email no existe</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::CommandChannel</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::FirmwareUpdate</name>
    <message>
        <source>ACTUALIZACION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Los datos recibidos para la actualización son incorrectos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha podido conectar a internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No hay una nueva actualización</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha encontrado ninguna actualización</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error en la conexión TCP: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> CRC no coincideix: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error de conexión con el servidor de actualizaciones: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha perdido la comunicación con el servidor de Actualizaciones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL VELMAR: ERROR GRAVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmar actualizado a la versión </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL VELMAR: FALLO DE CRC</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::Identification</name>
    <message>
        <source>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::InfoInterpreter</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación con el equipo Velmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectando con BC600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectado a la Central BC600</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ListErase</name>
    <message>
        <source>CONFIRMACION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    No    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrando el listado de operadoras</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ModuleCommands</name>
    <message>
        <source>CONFIRMACION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Se cambiará el estado de la salida </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Cambiar </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código de programación demasiado corto. Mínimo 4 caracteres<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ProgrammingState</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ReadCycle</name>
    <message>
        <source>Leyendo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::StatusDisplay</name>
    <message>
        <source>DESACTIVADO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscando módulo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscando SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registrándose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONECTADO A LA RED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONECTADO A INTERNET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONECTADO A RECEPTORA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIN CONEXIÓN A RECEPTORA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central no programada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>desconectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONECTADA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO DISPONIBLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS: No disponible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADSL : No disponible</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::StatusMonitor</name>
    <message>
        <source>Se ha cortado la comunicación con el equipo Velmar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación entre el equipo Velmar y el servidor de actualizaciones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::WriteCycle</name>
    <message>
        <source>Programando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    No    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restaurando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se han podido programar los campos marcados en rojo:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No se han podido restaurar los valores de fábrica</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccessCodePanel</name>
    <message>
        <source>Código de acceso a la programación:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccountDialog</name>
    <message>
        <source>Ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mantenga pulsado para ver el texto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuenta de usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correo electrónico (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contraseña (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¿Olvidó la contraseña?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empresa (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clave (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alias</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(*) Campos obligatorios</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::FieldBinder</name>
    <message>
        <source>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código de programación demasiado corto. Mínimo 4 caracteres<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::InfoWindow</name>
    <message>
        <source>Parar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hexa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enviar al Velmar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::MainWindow</name>
    <message>
        <source>No se ha podido guardar la configuración</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerrar sesión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importar el listado de eventos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar el listado de eventos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listado de eventos (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importar el listado de operadoras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar el listado de operadoras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listado de operadoras (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importar el listado de teléfonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar el listado de teléfonos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listado de teléfonos (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importar el listado de zonas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar el listado de zonas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listado de zonas (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fichero error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Este fichero no es correcto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Este fichero ya existe, ¿desea sobreescribirlo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    No    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remota</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectando</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conectando con el circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Programación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONECTADO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No se puede acceder al puerto :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comunicación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerto USB:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmisión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recepción</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prog.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programación del equipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Registrado por: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        sin internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leyendo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estado del equipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guardar plantilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importar datos de plantilla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Todo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esta plantilla ya existe, ¿desea sobreescribirla?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Plantilla creada correctamente    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Plantilla cargada    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actualizar el firmware del equipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VLM - Software de programación Ver. </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::PanelPage</name>
    <message>
        <source>Comunicación con la central</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocidad, paridad:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirección del equipo en el bus de la central (hexadecimal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirección:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listado de zonas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listado de eventos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre del fichero del listado de zonas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre del fichero del listado de eventos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envío a la App de los códigos CID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T. apertura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T. abierta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T. cierre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botón %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salidas de cada botón</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::PanelView</name>
    <message>
        <source>Alarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avería</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prueba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prealarma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mensajes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::ProgrammingView</name>
    <message>
        <source>Accesos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ERROR / RESTAURACIÓN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modo pulsante</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avisos y CRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer el circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programar el circuito</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restaurar los valores de fábrica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lee del equipo los valores de la página mostrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programar página</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programa en el equipo los campos modificados de la página mostrada</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programa en el equipo todos los campos modificados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identificación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modelo de la central conectada al equipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teléfono del equipo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password SMS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PIN de la SIM:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Código de programación:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FRANJA HORARIA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red Ethernet (ADSL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirección por DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirección MAC del equipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirección IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Máscara de subred:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerta de enlace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS primario:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS secundario:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partes activas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operadoras GPRS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borra todas las operadoras del equipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servidor de correo (SMTP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muestra u oculta la contraseña</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servidor SMTP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usuario:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remitente:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asunto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avisos por SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avisos por e-mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varios teléfonos separados por &quot;;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teléfonos %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varias direcciones separadas por &quot;;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central receptora de alarmas (CRA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dirección IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abonado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRA %1.%2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Códigos Contact ID en hexadecimal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polling (minutos):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envío a la App:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SISTEMA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avisos de las entradas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Avisos de las salidas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activación por el sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activación por entradas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inicio del sistema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pérdidas de comunicación</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::StatusPage</name>
    <message>
        <source>ESTADO GENERAL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinicia el equipo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El equipo envía un informe de test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>El equipo envía un test a la central receptora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TAMPER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALIMENTACIÓN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EVENTOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtrados</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Todos los eventos o solo los del instalador</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Todos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parar/Continuar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmar::ui::UpdatePage</name>
    <message>
        <source>FirmWare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HardWare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buscar nuevas versiones a actualizar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BYTES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DESCARGAR</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

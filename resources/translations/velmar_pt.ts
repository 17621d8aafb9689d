<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="es_ES">
<context>
    <name>AguileraStatus</name>
    <message>
        <source>Zona de sistema</source>
        <translation>Zona de sistema</translation>
    </message>
    <message>
        <source> ESTADO DE ALARMA: </source>
        <translation> ESTADO DE ALARME: </translation>
    </message>
    <message>
        <source> ESTADO DE AVERIA: </source>
        <translation> ESTADO DE AVARIA: </translation>
    </message>
    <message>
        <source> ESTADO DE DESCONEXION: </source>
        <translation> ESTADO DE DESLIGAMENTO: </translation>
    </message>
    <message>
        <source> ESTADO DE PRUEBAS: </source>
        <translation> ESTADO DE TESTE: </translation>
    </message>
    <message>
        <source> ZONA EN ALARMA</source>
        <translation> ZONA EM ALARME</translation>
    </message>
    <message>
        <source> ZONA EN AVERIA</source>
        <translation> ZONA EM AVARIA</translation>
    </message>
    <message>
        <source> ZONA DESCONECTADA</source>
        <translation> ZONA DESLIGADA</translation>
    </message>
    <message>
        <source> ZONA EN PRUEBA</source>
        <translation> ZONA EM TESTE</translation>
    </message>
    <message>
        <source>zonas</source>
        <translation>zonas</translation>
    </message>
    <message>
        <source> (PRUEBAS)</source>
        <translation> (TESTE)</translation>
    </message>
    <message>
        <source>ERROR INTERFACE</source>
        <translation>ERRO DE INTERFACE</translation>
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
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Perdido</source>
        <translation>Perdido</translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>No ADSL</source>
        <translation>Sem Ethernet</translation>
    </message>
    <message>
        <source>No GPRS</source>
        <translation>Sem GPRS</translation>
    </message>
</context>
<context>
    <name>CodeTables</name>
    <message>
        <source>Equipo no configurado</source>
        <translation>Equipamento não configurado</translation>
    </message>
    <message>
        <source>Sensor Térmico</source>
        <translation>Detetor térmico</translation>
    </message>
    <message>
        <source>Sensor Iónico</source>
        <translation>Detetor iónico</translation>
    </message>
    <message>
        <source>Sensor Óptico (Fotoeléctrico)</source>
        <translation>Detetor ótico (fotoelétrico)</translation>
    </message>
    <message>
        <source>Pulsador Manual de alarma (MCP)</source>
        <translation>Botoneira manual de alarme (MCP)</translation>
    </message>
    <message>
        <source>Módulo de Control salida</source>
        <translation>Módulo de controlo de saída</translation>
    </message>
    <message>
        <source>Módulo de Entrada</source>
        <translation>Módulo de entrada</translation>
    </message>
    <message>
        <source>Módulo de Sistemas de Sprinkler</source>
        <translation>Módulo de sistemas de sprinklers</translation>
    </message>
    <message>
        <source>Sensor VIEW</source>
        <translation>Detetor VIEW</translation>
    </message>
    <message>
        <source>Módulo CDI de Zonas Convencionales</source>
        <translation>Módulo CDI de zonas convencionais</translation>
    </message>
    <message>
        <source>Salida de Sirena</source>
        <translation>Saída de sirene</translation>
    </message>
    <message>
        <source>Módulo AUXILIAR (señal técnica)</source>
        <translation>Módulo AUXILIAR (sinal técnico)</translation>
    </message>
    <message>
        <source>Módulo Monitor de Zonas Convencionales (ZMX o M512)</source>
        <translation>Módulo monitor de zonas convencionais (ZMX ou M512)</translation>
    </message>
    <message>
        <source>Sensor Multicriterio</source>
        <translation>Detetor multicritério</translation>
    </message>
</context>
<context>
    <name>FieldModel</name>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Havai</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) Alasca</translation>
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
        <translation>(UTC-05:00) Bogotá</translation>
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
        <translation>(UTC-01:00) Açores</translation>
    </message>
    <message>
        <source>(UTC+00:00) Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca</source>
        <translation>(UTC+00:00) Dublin, Edimburgo, Lisboa, Londres, Reiquiavique, Casablanca</translation>
    </message>
    <message>
        <source>(UTC+01:00) Madrid, Paris, Berlin, Roma</source>
        <translation>(UTC+01:00) Madrid, Paris, Berlim, Roma</translation>
    </message>
    <message>
        <source>(UTC+02:00) Riga</source>
        <translation>(UTC+02:00) Riga</translation>
    </message>
    <message>
        <source>(UTC+03:00) Moscú</source>
        <translation>(UTC+03:00) Moscovo</translation>
    </message>
    <message>
        <source>(UTC+04:00) Dubai</source>
        <translation>(UTC+04:00) Dubai</translation>
    </message>
    <message>
        <source>(UTC+05:00) Karachi</source>
        <translation>(UTC+05:00) Carachi</translation>
    </message>
    <message>
        <source>(UTC+06:00) Omsk</source>
        <translation>(UTC+06:00) Omsk</translation>
    </message>
    <message>
        <source>(UTC+07:00) Jakarta</source>
        <translation>(UTC+07:00) Jacarta</translation>
    </message>
    <message>
        <source>(UTC+08:00) Hong Kong</source>
        <translation>(UTC+08:00) Hong Kong</translation>
    </message>
    <message>
        <source>(UTC+09:00) Seúl</source>
        <translation>(UTC+09:00) Seul</translation>
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
        <translation>Código CID</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>   Operadora</source>
        <translation>   Operador</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Disp.</source>
        <translation>Disp.</translation>
    </message>
    <message>
        <source>Rest.</source>
        <translation>Rep.</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Mensaje disparo/mensaje restaura</source>
        <translation>Mensagem de disparo/mensagem de reposição</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Arranque</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Alim.</source>
        <translation>Alim.</translation>
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
        <translation>CRA</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Desac.</source>
        <translation>Desat.</translation>
    </message>
    <message>
        <source>T.Act.</source>
        <translation>T.Ativ.</translation>
    </message>
    <message>
        <source>T.Des.</source>
        <translation>T.Desat.</translation>
    </message>
    <message>
        <source>Todas</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Mensaje activa/Mensaje desactiva</source>
        <translation>Mensagem de ativação/Mensagem de desativação</translation>
    </message>
    <message>
        <source>Texto del mensaje</source>
        <translation>Texto da mensagem</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Hora: </translation>
    </message>
    <message>
        <source>N. Disp.</source>
        <translation>N.º Disp.</translation>
    </message>
    <message>
        <source>N. Rest.</source>
        <translation>N.º Rep.</translation>
    </message>
    <message>
        <source>T. Disp.</source>
        <translation>T. Disp.</translation>
    </message>
    <message>
        <source>T. Rest.</source>
        <translation>T. Rep.</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Mensagem de teste</translation>
    </message>
    <message>
        <source>Mensaje de fallo/Mensaje de recuperación</source>
        <translation>Mensagem de falha/Mensagem de reposição</translation>
    </message>
    <message>
        <source>Pérdida GSM</source>
        <translation>Perda GSM</translation>
    </message>
    <message>
        <source>Pérdida ADSL</source>
        <translation>Perda ADSL</translation>
    </message>
    <message>
        <source>Pérdida CRA</source>
        <translation>Perda CRA</translation>
    </message>
    <message>
        <source>Pérdida Servidor</source>
        <translation>Perda servidor</translation>
    </message>
    <message>
        <source>Pérdida COM</source>
        <translation>Perda COM</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONA</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NOME</translation>
    </message>
    <message>
        <source>Sal.</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Activ.</source>
        <translation>Ativ.</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>T.Ent</source>
        <translation>T.Ent.</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Telefones</translation>
    </message>
    <message>
        <source>Referencia </source>
        <translation>Referência </translation>
    </message>
    <message>
        <source>Habilita</source>
        <translation>Ativo</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Botão</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Operador: </translation>
    </message>
    <message>
        <source>E/S</source>
        <translation>E/S</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Avaria</translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Inibição</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Teste</translation>
    </message>
    <message>
        <source> Comunicación con la Central</source>
        <translation> Comunicação com a central</translation>
    </message>
    <message>
        <source> Perdida tensión 230V</source>
        <translation> Falha de tensão 230V</translation>
    </message>
    <message>
        <source> Fallo Alimentación principal</source>
        <translation> Falha da alimentação principal</translation>
    </message>
    <message>
        <source> Batería baja</source>
        <translation> Bateria fraca</translation>
    </message>
    <message>
        <source> Fallo de tierra</source>
        <translation> Falha de terra</translation>
    </message>
    <message>
        <source> Alarma pulsador</source>
        <translation> Alarme de botoneira</translation>
    </message>
    <message>
        <source> Alarma detector</source>
        <translation> Alarme de detetor</translation>
    </message>
    <message>
        <source> Avería línea Abierta</source>
        <translation> Avaria linha aberta</translation>
    </message>
    <message>
        <source> Avería línea Cruzada</source>
        <translation> Avaria linha em curto-circuito</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Ponto inibido</translation>
    </message>
    <message>
        <source> Punto en pruebas</source>
        <translation> Ponto em teste</translation>
    </message>
    <message>
        <source> Alarma Pulsador Prueba</source>
        <translation> Alarme de teste de botoneira</translation>
    </message>
    <message>
        <source> Alarma Detector Prueba</source>
        <translation> Alarme de teste de detetor</translation>
    </message>
    <message>
        <source> Relé Anulado</source>
        <translation> Relé inibido</translation>
    </message>
    <message>
        <source> Relé Avería línea Abierta</source>
        <translation> Relé avaria linha aberta</translation>
    </message>
    <message>
        <source> Relé Avería línea Cruzada</source>
        <translation> Relé avaria linha em curto-circuito</translation>
    </message>
    <message>
        <source> Relé Avería 24V</source>
        <translation> Relé avaria 24V</translation>
    </message>
    <message>
        <source> Relé Prealarma</source>
        <translation> Relé pré-alarme</translation>
    </message>
    <message>
        <source> Relé Disparo</source>
        <translation> Relé disparo</translation>
    </message>
    <message>
        <source>Relé Aborto</source>
        <translation>Relé aborto</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Abierta</source>
        <translation> Relé sirene 1 avaria linha aberta</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Cruzada</source>
        <translation> Relé sirene 1 avaria linha em curto-circuito</translation>
    </message>
    <message>
        <source> Relé Sirena 1 disparo</source>
        <translation> Relé sirene 1 disparo</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Abierta</source>
        <translation> Relé sirene 2 avaria linha aberta</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Cruzada</source>
        <translation> Relé sirene 2 avaria linha em curto-circuito</translation>
    </message>
    <message>
        <source> Relé Sirena 2 disparo</source>
        <translation> Relé sirene 2 disparo</translation>
    </message>
    <message>
        <source> Relé Avería General línea Abierta</source>
        <translation> Relé avaria geral linha aberta</translation>
    </message>
    <message>
        <source> Relé Avería General línea Cruzada</source>
        <translation> Relé avaria geral linha em curto-circuito</translation>
    </message>
    <message>
        <source> Relé Avería General disparo</source>
        <translation> Relé avaria geral disparo</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería cargador</source>
        <translation> Fonte de alimentação: avaria do carregador</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería batería descargada</source>
        <translation> Fonte de alimentação: avaria bateria descarregada</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería sin red</source>
        <translation> Fonte de alimentação: avaria sem rede</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería 30V</source>
        <translation> Fonte de alimentação: avaria 30V</translation>
    </message>
    <message>
        <source> Avería batería descargada</source>
        <translation> Avaria bateria descarregada</translation>
    </message>
    <message>
        <source> Fallo circuito abierto</source>
        <translation> Falha circuito aberto</translation>
    </message>
    <message>
        <source> Fallo cortocircuito</source>
        <translation> Falha curto-circuito</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zona inibida</translation>
    </message>
    <message>
        <source> Zona en pruebas</source>
        <translation> Zona em teste</translation>
    </message>
    <message>
        <source> Avería cargador baterías</source>
        <translation> Avaria do carregador de baterias</translation>
    </message>
    <message>
        <source> Avería fallo de baterías</source>
        <translation> Avaria falha de baterias</translation>
    </message>
    <message>
        <source> Avería de la central fallo 220V</source>
        <translation> Avaria da central falha 220V</translation>
    </message>
    <message>
        <source> Sirenas fallo/anuladas</source>
        <translation> Sirenes em falha/inibidas</translation>
    </message>
    <message>
        <source> Av. sirenas anuladas</source>
        <translation> Av. sirenes inibidas</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarme de sensor</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme técnico</translation>
    </message>
    <message>
        <source>Alarma detector Esclavo</source>
        <translation>Alarme de detetor escravo</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarme de temperatura</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarme de fumo</translation>
    </message>
    <message>
        <source>Alarma pulsador Esclavo</source>
        <translation>Alarme de botoneira escrava</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarme de botoneira (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador Exterior</source>
        <translation>Alarme de botoneira exterior</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarme de teste de incêndio</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarme de teste não configurado</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Avaria de comunicação do repetidor</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Avaria de comunicação da central</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Avaria de comunicação do controlador</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Avaria de comunicação do módulo &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Avaria de comunicação do módulo CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Avaria de comunicação do módulo Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Avaria do carregador de baterias</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Avaria bateria avariada</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Avaria sem bateria</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Avaria bateria descarregada</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Avaria bateria sobrecarregada</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Avaria baixa tensão</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Avaria sobretensão</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Avaria sem alimentação</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Avaria saída 30V</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Avaria laço em curto-circuito</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Avaria de sensor</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Avaria sujidade</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Avaria laço aberto</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Avaria consumo do laço</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Avaria ponto não responde</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Avaria KMAY curto-circuito</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Avaria KMAY circuito aberto</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Avaria MSTAY curto-circuito</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Avaria MSTAY circuito aberto</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Avaria técnica</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Avaria relé linha aberta</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Avaria relé curto-circuito</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Avaria relé não ativo</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Avaria relé 24V</translation>
    </message>
    <message>
        <source>Tipo evento</source>
        <translation>Tipo de evento</translation>
    </message>
    <message>
        <source>110=Fuego</source>
        <translation>110=Fogo</translation>
    </message>
    <message>
        <source>111=Humo</source>
        <translation>111=Fumo</translation>
    </message>
    <message>
        <source>112=Combustión</source>
        <translation>112=Combustão</translation>
    </message>
    <message>
        <source>113=Detector de flujo (agua)</source>
        <translation>113=Detetor de fluxo (água)</translation>
    </message>
    <message>
        <source>114=Calor</source>
        <translation>114=Calor</translation>
    </message>
    <message>
        <source>115=Pulsador</source>
        <translation>115=Botoneira</translation>
    </message>
    <message>
        <source>116=Detector de conducto</source>
        <translation>116=Detetor de conduta</translation>
    </message>
    <message>
        <source>117=Detector de alarma</source>
        <translation>117=Detetor de alarme</translation>
    </message>
    <message>
        <source>E1</source>
        <translation>E1</translation>
    </message>
    <message>
        <source>E2</source>
        <translation>E2</translation>
    </message>
    <message>
        <source>E3</source>
        <translation>E3</translation>
    </message>
    <message>
        <source>E4</source>
        <translation>E4</translation>
    </message>
    <message>
        <source>E5</source>
        <translation>E5</translation>
    </message>
    <message>
        <source>E6</source>
        <translation>E6</translation>
    </message>
    <message>
        <source>E7</source>
        <translation>E7</translation>
    </message>
    <message>
        <source>E8</source>
        <translation>E8</translation>
    </message>
    <message>
        <source>E9</source>
        <translation>E9</translation>
    </message>
    <message>
        <source>E10</source>
        <translation>E10</translation>
    </message>
    <message>
        <source>E11</source>
        <translation>E11</translation>
    </message>
    <message>
        <source>E12</source>
        <translation>E12</translation>
    </message>
    <message>
        <source>E13</source>
        <translation>E13</translation>
    </message>
    <message>
        <source>E14</source>
        <translation>E14</translation>
    </message>
    <message>
        <source>E15</source>
        <translation>E15</translation>
    </message>
    <message>
        <source>E16</source>
        <translation>E16</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMAÇÃO</translation>
    </message>
    <message>
        <source>Este fichero ya existe, ¿desea sobreescribirlo?</source>
        <translation>Este ficheiro já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Sim    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Não    </translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>marca de borrado incorrecta</source>
        <translation>marca de apagamento incorreta</translation>
    </message>
    <message>
        <source>valor de habilitación incorrecto</source>
        <translation>valor de ativação incorreto</translation>
    </message>
    <message>
        <source>el número de zona no es correcto</source>
        <translation>o número de zona não está correto</translation>
    </message>
    <message>
        <source>número de zona fuera de rango (1 a 1023)</source>
        <translation>número de zona fora do intervalo (1 a 1023)</translation>
    </message>
    <message>
        <source>código CID demasiado largo</source>
        <translation>código CID demasiado longo</translation>
    </message>
    <message>
        <source>nombre de más de %1 caracteres</source>
        <translation>nome com mais de %1 caracteres</translation>
    </message>
</context>
<context>
    <name>ModuleStatus</name>
    <message>
        <source>Fecha:                     Hora: </source>
        <translation>Data:                     Hora: </translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Hora: </translation>
    </message>
    <message>
        <source>Empresa: </source>
        <translation>Empresa: </translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Instalador: </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Referência: </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identificador: </translation>
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
        <translation>   Cobertura:</translation>
    </message>
    <message>
        <source> Kbytes / </source>
        <translation> Kbytes / </translation>
    </message>
    <message>
        <source>Módulo GSM:</source>
        <translation>Módulo GSM:</translation>
    </message>
    <message>
        <source>  ver.</source>
        <translation>  ver.</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Operador: </translation>
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
        <translation>Módulo GSM:  </translation>
    </message>
</context>
<context>
    <name>NamedTexts</name>
    <message>
        <source>Inicio del sistema</source>
        <translation>Arranque do sistema</translation>
    </message>
    <message>
        <source>Se ha generado un Reset de soft</source>
        <translation>Foi gerado um reset de software</translation>
    </message>
    <message>
        <source>Error 0x01</source>
        <translation>Erro 0x01</translation>
    </message>
    <message>
        <source>Error 0x02</source>
        <translation>Erro 0x02</translation>
    </message>
    <message>
        <source>Fallo de hard</source>
        <translation>Falha de hardware</translation>
    </message>
    <message>
        <source>Grabando los parámetros en la Flash</source>
        <translation>A gravar os parâmetros na Flash</translation>
    </message>
    <message>
        <source>Leyendo los parámetros de la Flash</source>
        <translation>A ler os parâmetros da Flash</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Teste periódico</translation>
    </message>
    <message>
        <source>Se añade envio a la CRA: </source>
        <translation>Envio à CRA adicionado: </translation>
    </message>
    <message>
        <source>Se añade envio al servidor:</source>
        <translation>Envio ao servidor adicionado:</translation>
    </message>
    <message>
        <source>Se añade envio de e-mail: </source>
        <translation>Envio de e-mail adicionado: </translation>
    </message>
    <message>
        <source>Se añade envio de SMS: </source>
        <translation>Envio de SMS adicionado: </translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del servidor</source>
        <translation>Erro ao atualizar a hora do servidor</translation>
    </message>
    <message>
        <source>Tiempo del servidor actualizado</source>
        <translation>Hora do servidor atualizada</translation>
    </message>
    <message>
        <source>Comando enviado</source>
        <translation>Comando enviado</translation>
    </message>
    <message>
        <source>COM no inicializado</source>
        <translation>COM não inicializado</translation>
    </message>
    <message>
        <source>COM inicializado</source>
        <translation>COM inicializado</translation>
    </message>
    <message>
        <source>Envia Hexa por COM: </source>
        <translation>Envia hexa por COM: </translation>
    </message>
    <message>
        <source>Envia String por COM: </source>
        <translation>Envia texto por COM: </translation>
    </message>
    <message>
        <source>Módulo GPRS no inicializado</source>
        <translation>Módulo GPRS não inicializado</translation>
    </message>
    <message>
        <source>Módulo GPRS inicializado</source>
        <translation>Módulo GPRS inicializado</translation>
    </message>
    <message>
        <source>Se enciende el módulo GPRS</source>
        <translation>O módulo GPRS é ligado</translation>
    </message>
    <message>
        <source>Se apaga el módulo GPRS</source>
        <translation>O módulo GPRS é desligado</translation>
    </message>
    <message>
        <source>Envío por GPRS: </source>
        <translation>Envio por GPRS: </translation>
    </message>
    <message>
        <source>SRING recibido</source>
        <translation>SRING recebido</translation>
    </message>
    <message>
        <source>Recibido por GPRS: </source>
        <translation>Recebido por GPRS: </translation>
    </message>
    <message>
        <source>GPRS: No se puede resolver el DNS</source>
        <translation>GPRS: Não é possível resolver o DNS</translation>
    </message>
    <message>
        <source>GPRS: Socket abierto demasiado tiempo</source>
        <translation>GPRS: Socket aberto demasiado tempo</translation>
    </message>
    <message>
        <source>GPRS: Error de socket</source>
        <translation>GPRS: Erro de socket</translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del GPRS</source>
        <translation>Erro ao atualizar a hora do GPRS</translation>
    </message>
    <message>
        <source>Tiempo del GPRS actualizado</source>
        <translation>Hora do GPRS atualizada</translation>
    </message>
    <message>
        <source>Módulo GPRS detectado</source>
        <translation>Módulo GPRS detetado</translation>
    </message>
    <message>
        <source>Falta el PIN</source>
        <translation>Falta o PIN</translation>
    </message>
    <message>
        <source>Buscando la SIM</source>
        <translation>A procurar o SIM</translation>
    </message>
    <message>
        <source>SIM y PIN correctos</source>
        <translation>SIM e PIN corretos</translation>
    </message>
    <message>
        <source>Módulo GPRS preparado</source>
        <translation>Módulo GPRS pronto</translation>
    </message>
    <message>
        <source>Conexión GPRS creada</source>
        <translation>Ligação GPRS criada</translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA (borrado): </source>
        <translation>GPRS: Envio à CRA (apagado): </translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA: </source>
        <translation>GPRS: Envio à CRA: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado: </source>
        <translation>GPRS: E-mail enviado: </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado (borrado):</source>
        <translation>GPRS: E-mail enviado (apagado):</translation>
    </message>
    <message>
        <source>GPRS: SMS enviado: </source>
        <translation>GPRS: SMS enviado: </translation>
    </message>
    <message>
        <source>GPRS: SMS enviado (borrado):</source>
        <translation>GPRS: SMS enviado (apagado):</translation>
    </message>
    <message>
        <source>GPRS: SMS recibido</source>
        <translation>GPRS: SMS recebido</translation>
    </message>
    <message>
        <source>GPRS: Entrada en bidireccional con la Central</source>
        <translation>GPRS: Entrada em modo bidirecional com a central</translation>
    </message>
    <message>
        <source>GPRS: Salida de bidireccional con la Central</source>
        <translation>GPRS: Saída do modo bidirecional com a central</translation>
    </message>
    <message>
        <source>Ethernet desactivado</source>
        <translation>Ethernet desativada</translation>
    </message>
    <message>
        <source>Ethernet activado</source>
        <translation>Ethernet ativada</translation>
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
        <translation>ADSL: Erro de negociação</translation>
    </message>
    <message>
        <source>ADSL: DhcpAddress</source>
        <translation>ADSL: DhcpAddress</translation>
    </message>
    <message>
        <source>ADSL: Respuesta recibida de la CRA: </source>
        <translation>ADSL: Resposta recebida da CRA: </translation>
    </message>
    <message>
        <source>ADSL: Socket abierto a la CRA</source>
        <translation>ADSL: Socket aberto para a CRA</translation>
    </message>
    <message>
        <source>ADSL: Socket cerrado a la CRA</source>
        <translation>ADSL: Socket fechado para a CRA</translation>
    </message>
    <message>
        <source>ADSL: Resolviendo DNS...</source>
        <translation>ADSL: A resolver o DNS...</translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA (borrado): </source>
        <translation>ADSL: Envio à CRA (apagado): </translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA: </source>
        <translation>ADSL: Envio à CRA: </translation>
    </message>
    <message>
        <source>ADSL: Inicio de la conexión con el servidor</source>
        <translation>ADSL: Início da ligação ao servidor</translation>
    </message>
    <message>
        <source>ADSL: Conectado a la red</source>
        <translation>ADSL: Ligado à rede</translation>
    </message>
    <message>
        <source>ADSL: Conectado al servidor</source>
        <translation>ADSL: Ligado ao servidor</translation>
    </message>
    <message>
        <source>ADSL: Suscrito al servidor</source>
        <translation>ADSL: Subscrito no servidor</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión con el servidor</source>
        <translation>ADSL: Erro de ligação ao servidor</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión a la red</source>
        <translation>ADSL: Erro de ligação à rede</translation>
    </message>
    <message>
        <source>ADSL: Error de respuesta del servidor</source>
        <translation>ADSL: Erro de resposta do servidor</translation>
    </message>
    <message>
        <source>ADSL: Envío al servidor</source>
        <translation>ADSL: Envio ao servidor</translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail (borrado): </source>
        <translation>ADSL: Envio de e-mail (apagado): </translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail: </source>
        <translation>ADSL: Envio de e-mail: </translation>
    </message>
    <message>
        <source>ADSL: Entrada en bidireccional con la Central</source>
        <translation>ADSL: Entrada em modo bidirecional com a central</translation>
    </message>
    <message>
        <source>ADSL: Salida de bidireccional con la Central</source>
        <translation>ADSL: Saída do modo bidirecional com a central</translation>
    </message>
    <message>
        <source>E/S no inicializadas</source>
        <translation>E/S não inicializadas</translation>
    </message>
    <message>
        <source>E/S inicializadas</source>
        <translation>E/S inicializadas</translation>
    </message>
    <message>
        <source>Entrada disparada: </source>
        <translation>Entrada disparada: </translation>
    </message>
    <message>
        <source>Entrada restaurada: </source>
        <translation>Entrada reposta: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Saída disparada: </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Saída reposta: </translation>
    </message>
    <message>
        <source>No se permite modificar la salida: </source>
        <translation>Não é permitido alterar a saída: </translation>
    </message>
    <message>
        <source>Pérdida de </source>
        <translation>Perda de </translation>
    </message>
    <message>
        <source>Recuperado </source>
        <translation>Recuperado </translation>
    </message>
    <message>
        <source>Tamper disparado</source>
        <translation>Tamper disparado</translation>
    </message>
    <message>
        <source>Alimentación recuperada</source>
        <translation>Alimentação recuperada</translation>
    </message>
    <message>
        <source>Alimentación baja</source>
        <translation>Alimentação baixa</translation>
    </message>
    <message>
        <source>Tamper restaurado</source>
        <translation>Tamper reposto</translation>
    </message>
    <message>
        <source>Se ha perdido la comuniación con la Central</source>
        <translation>Perdeu-se a comunicação com a central</translation>
    </message>
    <message>
        <source>ERROR de Checksum</source>
        <translation>ERRO de checksum</translation>
    </message>
    <message>
        <source>La Central responde</source>
        <translation>A central responde</translation>
    </message>
    <message>
        <source>Datos recibidos: </source>
        <translation>Dados recebidos: </translation>
    </message>
    <message>
        <source>Envia comando a la Central: </source>
        <translation>Envia comando à central: </translation>
    </message>
    <message>
        <source>Comando de Telecontrol: </source>
        <translation>Comando de telecontrolo: </translation>
    </message>
    <message>
        <source>Pérdida de comunicación con la Central</source>
        <translation>Perda de comunicação com a central</translation>
    </message>
    <message>
        <source>Recuperación de comunicación con la Central</source>
        <translation>Recuperação da comunicação com a central</translation>
    </message>
    <message>
        <source>ERROR de cheksum</source>
        <translation>ERRO de checksum</translation>
    </message>
    <message>
        <source>Recibido de la Central: </source>
        <translation>Recebido da central: </translation>
    </message>
    <message>
        <source>Bireccional recibido de la Central: </source>
        <translation>Bidirecional recebido da central: </translation>
    </message>
    <message>
        <source>paso a Pruebas z.</source>
        <translation>entrada em teste z.</translation>
    </message>
    <message>
        <source>fin de pruebas z.</source>
        <translation>fim de teste z.</translation>
    </message>
    <message>
        <source>paso a Alarma z.</source>
        <translation>entrada em alarme z.</translation>
    </message>
    <message>
        <source>fin de alarma z.</source>
        <translation>fim de alarme z.</translation>
    </message>
    <message>
        <source>paso a Averia z.</source>
        <translation>entrada em avaria z.</translation>
    </message>
    <message>
        <source>fin de averia z.</source>
        <translation>fim de avaria z.</translation>
    </message>
    <message>
        <source>paso a Desconexion z.</source>
        <translation>entrada em inibição z.</translation>
    </message>
    <message>
        <source>fin de desconexion z.</source>
        <translation>fim de inibição z.</translation>
    </message>
    <message>
        <source>Fallo de comunicación entre interface y Central</source>
        <translation>Falha de comunicação entre interface e central</translation>
    </message>
    <message>
        <source>Recuperación de comunicación entre interface y Central</source>
        <translation>Recuperação da comunicação entre interface e central</translation>
    </message>
    <message>
        <source>Envía comando de usuario a la Central</source>
        <translation>Envia comando de utilizador à central</translation>
    </message>
    <message>
        <source>Recibido de Central:</source>
        <translation>Recebido da central:</translation>
    </message>
    <message>
        <source>Sin comunicación con la Central</source>
        <translation>Sem comunicação com a central</translation>
    </message>
    <message>
        <source>Respuesta Central</source>
        <translation>Resposta da central</translation>
    </message>
    <message>
        <source>Checksum ERROR</source>
        <translation>ERRO de checksum</translation>
    </message>
    <message>
        <source>Paso a Alarma Detector z.</source>
        <translation>Entrada em alarme de detetor z.</translation>
    </message>
    <message>
        <source>Fin de alarma Detector z.</source>
        <translation>Fim de alarme de detetor z.</translation>
    </message>
    <message>
        <source>Paso a Alarma Pulsador z.</source>
        <translation>Entrada em alarme de botoneira z.</translation>
    </message>
    <message>
        <source>Fin de alarma Pulsador z.</source>
        <translation>Fim de alarme de botoneira z.</translation>
    </message>
    <message>
        <source>Paso a Averia z.</source>
        <translation>Entrada em avaria z.</translation>
    </message>
    <message>
        <source>Fin de averia z.</source>
        <translation>Fim de avaria z.</translation>
    </message>
    <message>
        <source>Paso a Desconexion z.</source>
        <translation>Entrada em inibição z.</translation>
    </message>
    <message>
        <source>Fin de desconexion z.</source>
        <translation>Fim de inibição z.</translation>
    </message>
    <message>
        <source>Paso a Pruebas z.</source>
        <translation>Entrada em teste z.</translation>
    </message>
    <message>
        <source>Fin de pruebas z.</source>
        <translation>Fim de teste z.</translation>
    </message>
    <message>
        <source>Paso a Alarma en Pruebas z.</source>
        <translation>Entrada em alarme em teste z.</translation>
    </message>
    <message>
        <source>Fin de alarma en Pruebas z.</source>
        <translation>Fim de alarme em teste z.</translation>
    </message>
    <message>
        <source>Fallo 220V</source>
        <translation>Falha 220V</translation>
    </message>
    <message>
        <source>Recuperado 220V</source>
        <translation>220V recuperado</translation>
    </message>
    <message>
        <source>Fallo Bateria</source>
        <translation>Falha de bateria</translation>
    </message>
    <message>
        <source>Recuperado Bateria</source>
        <translation>Bateria recuperada</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarme de sensor</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme técnico</translation>
    </message>
    <message>
        <source>Alarma detector Esclavo</source>
        <translation>Alarme de detetor escravo</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarme de temperatura</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarme de fumo</translation>
    </message>
    <message>
        <source>Alarma pulsador Esclavo</source>
        <translation>Alarme de botoneira escrava</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarme de botoneira (Call Point)</translation>
    </message>
    <message>
        <source>Alarma pulsador Exterior</source>
        <translation>Alarme de botoneira exterior</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarme de teste de incêndio</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarme de teste não configurado</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Avaria de comunicação do repetidor</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Avaria de comunicação da central</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Avaria de comunicação do controlador</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Avaria de comunicação do módulo &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Avaria de comunicação do módulo CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Avaria de comunicação do módulo Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Avaria do carregador de baterias</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Avaria bateria avariada</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Avaria sem bateria</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Avaria bateria descarregada</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Avaria bateria sobrecarregada</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Avaria baixa tensão</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Avaria sobretensão</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Avaria sem alimentação</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Avaria saída 30V</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Avaria laço em curto-circuito</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Avaria de sensor</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Avaria sujidade</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Avaria laço aberto</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Avaria consumo do laço</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Avaria ponto não responde</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Avaria KMAY curto-circuito</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Avaria KMAY circuito aberto</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Avaria MSTAY curto-circuito</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Avaria MSTAY circuito aberto</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Avaria técnica</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Avaria relé linha aberta</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Avaria relé curto-circuito</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Avaria relé não ativo</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Avaria relé 24V</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Ponto inibido</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zona inibida</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>AVARIA NO LAÇO</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>AVARIA NAS SIRENES</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>AVARIA DE ALIMENTAÇÃO</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>AVARIA DE FUGA À TERRA</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>AVARIA FORA DE SERVIÇO</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>AVARIA DE SISTEMA</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>AVARIA NA RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ELEMENTO NÃO RESPONDE</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RESPOSTA DUPLA</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TIPO ALTERADO</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>CORTE EM ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>CRUZAMENTO EM ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ELEMENTO SUJO</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>ATIVAÇÃO MANUAL DE EVACUAÇÃO</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>DISPARO MANUAL DE SIRENES</translation>
    </message>
    <message>
        <source>DESCONEXION DE ZONA</source>
        <translation>INIBIÇÃO DE ZONA</translation>
    </message>
    <message>
        <source>DESCONEXION DE RELES</source>
        <translation>INIBIÇÃO DE RELÉS</translation>
    </message>
    <message>
        <source>DESCONEXION DE SIRENAS</source>
        <translation>INIBIÇÃO DE SIRENES</translation>
    </message>
    <message>
        <source>DESCONEXION DE ELEMENTO</source>
        <translation>INIBIÇÃO DE ELEMENTO</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Tomei conhecimento    </translation>
    </message>
    <message>
        <source>FALLO DE 24V EN MÓDULO</source>
        <translation>FALHA DE 24V NO MÓDULO</translation>
    </message>
    <message>
        <source>SEÑAL TÉCNICA</source>
        <translation>SINAL TÉCNICO</translation>
    </message>
    <message>
        <source>BATERIA PRIMARIA (RADIO)</source>
        <translation>BATERIA PRIMÁRIA (RÁDIO)</translation>
    </message>
    <message>
        <source>BATERIA SECUNDARIA (RADIO)</source>
        <translation>BATERIA SECUNDÁRIA (RÁDIO)</translation>
    </message>
    <message>
        <source>TAMPER ABIERTO (RADIO)</source>
        <translation>TAMPER ABERTO (RÁDIO)</translation>
    </message>
    <message>
        <source>ERROR FATAL (RADIO)</source>
        <translation>ERRO FATAL (RÁDIO)</translation>
    </message>
    <message>
        <source>ERROR DE RADIOFRECUENCIA</source>
        <translation>ERRO DE RADIOFREQUÊNCIA</translation>
    </message>
</context>
<context>
    <name>OfflineStatus</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DESATIVADO</translation>
    </message>
    <message>
        <source>Último dato recibido: </source>
        <translation>Último dado recebido: </translation>
    </message>
</context>
<context>
    <name>PanelEvents</name>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>AVARIA NO LAÇO</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>AVARIA NAS SIRENES</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>AVARIA DE ALIMENTAÇÃO</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>AVARIA DE FUGA À TERRA</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>AVARIA FORA DE SERVIÇO</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>AVARIA DE SISTEMA</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>AVARIA NA RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ELEMENTO NÃO RESPONDE</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RESPOSTA DUPLA</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TIPO ALTERADO</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>CORTE EM ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>CRUZAMENTO EM ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ELEMENTO SUJO</translation>
    </message>
    <message>
        <source>FALLO DE 24V EN MÓDULO</source>
        <translation>FALHA DE 24V NO MÓDULO</translation>
    </message>
    <message>
        <source>SEÑAL TÉCNICA</source>
        <translation>SINAL TÉCNICO</translation>
    </message>
    <message>
        <source>BATERIA PRIMARIA (RADIO)</source>
        <translation>BATERIA PRIMÁRIA (RÁDIO)</translation>
    </message>
    <message>
        <source>BATERIA SECUNDARIA (RADIO)</source>
        <translation>BATERIA SECUNDÁRIA (RÁDIO)</translation>
    </message>
    <message>
        <source>TAMPER ABIERTO (RADIO)</source>
        <translation>TAMPER ABERTO (RÁDIO)</translation>
    </message>
    <message>
        <source>ERROR FATAL (RADIO)</source>
        <translation>ERRO FATAL (RÁDIO)</translation>
    </message>
    <message>
        <source>ERROR DE RADIOFRECUENCIA</source>
        <translation>ERRO DE RADIOFREQUÊNCIA</translation>
    </message>
    <message>
        <source>DESCONEXION DE ZONA</source>
        <translation>INIBIÇÃO DE ZONA</translation>
    </message>
    <message>
        <source>DESCONEXION DE RELES</source>
        <translation>INIBIÇÃO DE RELÉS</translation>
    </message>
    <message>
        <source>DESCONEXION DE SIRENAS</source>
        <translation>INIBIÇÃO DE SIRENES</translation>
    </message>
    <message>
        <source>DESCONEXION DE ELEMENTO</source>
        <translation>INIBIÇÃO DE ELEMENTO</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>DISPARO MANUAL DE SIRENES</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>ATIVAÇÃO MANUAL DE EVACUAÇÃO</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Falha</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Inibido</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controlo</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Avaria</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Teste</translation>
    </message>
    <message>
        <source>Valor: </source>
        <translation>Valor: </translation>
    </message>
    <message>
        <source>PREALARMA </source>
        <translation>PRÉ-ALARME </translation>
    </message>
    <message>
        <source>AV ZONA</source>
        <translation>AV ZONA</translation>
    </message>
    <message>
        <source>AV CTRAL</source>
        <translation>AV CENTRAL</translation>
    </message>
    <message>
        <source>FUEGO: </source>
        <translation>FOGO: </translation>
    </message>
    <message>
        <source>EVACUACIÓN: </source>
        <translation>EVACUAÇÃO: </translation>
    </message>
    <message>
        <source>ALERTA: </source>
        <translation>ALERTA: </translation>
    </message>
    <message>
        <source>SEGURIDAD: </source>
        <translation>SEGURANÇA: </translation>
    </message>
    <message>
        <source>AVERÍA: </source>
        <translation>AVARIA: </translation>
    </message>
    <message>
        <source>DESACTIVACIÓN: </source>
        <translation>DESATIVAÇÃO: </translation>
    </message>
    <message>
        <source>ALARMA TÉCNICA: </source>
        <translation>ALARME TÉCNICO: </translation>
    </message>
    <message>
        <source>PRUEBA: </source>
        <translation>TESTE: </translation>
    </message>
    <message>
        <source>MODO DE PRUEBA</source>
        <translation>MODO DE TESTE</translation>
    </message>
    <message>
        <source>Corto circuito en lazo</source>
        <translation>Curto-circuito no laço</translation>
    </message>
    <message>
        <source>Circuito abierto en lazo</source>
        <translation>Circuito aberto no laço</translation>
    </message>
    <message>
        <source>Avería de salida supervisada</source>
        <translation>Avaria de saída supervisionada</translation>
    </message>
    <message>
        <source>desactivado zona</source>
        <translation>zona desativada</translation>
    </message>
    <message>
        <source>Modo de prueba audible</source>
        <translation>Modo de teste audível</translation>
    </message>
    <message>
        <source>Dirección lógica</source>
        <translation>Endereço lógico</translation>
    </message>
    <message>
        <source>Evento: </source>
        <translation>Evento: </translation>
    </message>
    <message>
        <source> de </source>
        <translation> de </translation>
    </message>
    <message>
        <source>Cent : </source>
        <translation>Cent : </translation>
    </message>
    <message>
        <source>Zona : </source>
        <translation>Zona : </translation>
    </message>
    <message>
        <source>Lazo: </source>
        <translation>Laço: </translation>
    </message>
    <message>
        <source>Dir.  : </source>
        <translation>End.  : </translation>
    </message>
    <message>
        <source>Central: </source>
        <translation>Central: </translation>
    </message>
    <message>
        <source>Evacuación manual</source>
        <translation>Evacuação manual</translation>
    </message>
    <message>
        <source>Alarma sistema</source>
        <translation>Alarme de sistema</translation>
    </message>
    <message>
        <source>Dir: </source>
        <translation>End: </translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Avaria</translation>
    </message>
    <message>
        <source>Zona: </source>
        <translation>Zona: </translation>
    </message>
    <message>
        <source>Sin alarmas</source>
        <translation>Sem alarmes</translation>
    </message>
    <message>
        <source>Sin averias</source>
        <translation>Sem avarias</translation>
    </message>
    <message>
        <source>Sin eventos</source>
        <translation>Sem eventos</translation>
    </message>
    <message>
        <source>Nivel usuario</source>
        <translation>Nível utilizador</translation>
    </message>
    <message>
        <source>Nivel instalador</source>
        <translation>Nível instalador</translation>
    </message>
    <message>
        <source>ALARMAS                                     TIPO:</source>
        <translation>ALARMES                                     TIPO:</translation>
    </message>
    <message>
        <source>AVERIAS                                      TIPO:</source>
        <translation>AVARIAS                                      TIPO:</translation>
    </message>
    <message>
        <source>DISPARO                                      RELE:</source>
        <translation>DISPARO                                      RELÉ:</translation>
    </message>
    <message>
        <source>ANULADA                                     TIPO:</source>
        <translation>ANULADA                                     TIPO:</translation>
    </message>
</context>
<context>
    <name>PanelFronts</name>
    <message>
        <source>Rearme</source>
        <translation>Rearme</translation>
    </message>
    <message>
        <source>Silenciar zumbador</source>
        <translation>Silenciar besouro</translation>
    </message>
    <message>
        <source>Silenciar sirenas</source>
        <translation>Silenciar sirenes</translation>
    </message>
    <message>
        <source>Zumbador</source>
        <translation>Besouro</translation>
    </message>
    <message>
        <source>Equipos</source>
        <translation>Equipamentos</translation>
    </message>
    <message>
        <source>Sirenas</source>
        <translation>Sirenes</translation>
    </message>
    <message>
        <source>Activar sirenas</source>
        <translation>Ativar sirenes</translation>
    </message>
    <message>
        <source>Anulada</source>
        <translation>Inibida</translation>
    </message>
    <message>
        <source>Tierra</source>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Servicio</source>
        <translation>Serviço</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Fogo</translation>
    </message>
    <message>
        <source>Ruta</source>
        <translation>Encaminhamento</translation>
    </message>
    <message>
        <source>Prealarma</source>
        <translation>Pré-alarme</translation>
    </message>
    <message>
        <source>Desactivado</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Prueba</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentação</translation>
    </message>
    <message>
        <source>Desconexión</source>
        <translation>Inibição</translation>
    </message>
    <message>
        <source>Enterado</source>
        <translation>Tomei conhecimento</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Disparo sirenas</source>
        <translation>Disparo de sirenes</translation>
    </message>
    <message>
        <source>Evacuación</source>
        <translation>Evacuação</translation>
    </message>
</context>
<context>
    <name>PanelOrders</name>
    <message>
        <source>¿Está seguro que quiere Rearmar la Central?</source>
        <translation>Tem a certeza de que quer rearmar a central?</translation>
    </message>
    <message>
        <source>Rearmando la Central desde PC</source>
        <translation>A rearmar a central a partir do PC</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere hacer Reset a la Central?</source>
        <translation>Tem a certeza de que quer fazer reset à central?</translation>
    </message>
    <message>
        <source>Reset a la Central desde PC</source>
        <translation>Reset à central a partir do PC</translation>
    </message>
    <message>
        <source>Reposición de la Central desde PC</source>
        <translation>Reposição da central a partir do PC</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere silenciar el zumbador?</source>
        <translation>Tem a certeza de que quer silenciar o besouro?</translation>
    </message>
    <message>
        <source>Silenciar zumbador desde PC</source>
        <translation>Silenciar besouro a partir do PC</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Tomei conhecimento    </translation>
    </message>
    <message>
        <source>¿Está seguro que quiere silenciar la sirena?</source>
        <translation>Tem a certeza de que quer silenciar a sirene?</translation>
    </message>
    <message>
        <source>Silenciar sirena desde PC</source>
        <translation>Silenciar sirene a partir do PC</translation>
    </message>
    <message>
        <source>¿Está seguri que quiere silenciar/activar la sirena?</source>
        <translation>Tem a certeza de que quer silenciar/ativar a sirene?</translation>
    </message>
    <message>
        <source>Disparo sirena desde PC</source>
        <translation>Disparo de sirene a partir do PC</translation>
    </message>
    <message>
        <source>Activar sirenas desde PC</source>
        <translation>Ativar sirenes a partir do PC</translation>
    </message>
    <message>
        <source>Evacuación manual desde PC</source>
        <translation>Evacuação manual a partir do PC</translation>
    </message>
    <message>
        <source>Activar modo pruebas/anulado desde PC</source>
        <translation>Ativar modo de teste/inibição a partir do PC</translation>
    </message>
</context>
<context>
    <name>PanelPage</name>
    <message>
        <source>BaudRate,paritat (por ejemplo %1,e)</source>
        <translation>BaudRate,paridade (por exemplo %1,e)</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA</source>
        <translation>CENTRAL DE INCÊNDIO AGUILERA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BC600/216</source>
        <translation>CENTRAL DE INCÊNDIO BC600/216</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>CONTROLO DE ACESSOS</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM</source>
        <translation>CENTRAL DE INCÊNDIO COFEM</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS DETNOV</source>
        <translation>CENTRAL DE INCÊNDIO DETNOV</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>CENTRAL DE INCÊNDIO URANO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>CENTRAL DE INCÊNDIO SYNCRO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AVENAR (BOSCH)</source>
        <translation>CENTRAL DE INCÊNDIO AVENAR (BOSCH)</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>CENTRAL DE INCÊNDIO AD300</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>CENTRAL DE INCÊNDIO SUPRA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM ZAFIR</source>
        <translation>CENTRAL DE INCÊNDIO COFEM ZAFIR</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>CENTRAL DE INCÊNDIO KOMTTECH</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS ID3000</source>
        <translation>CENTRAL DE INCÊNDIO ID3000</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS CCD-100</source>
        <translation>CENTRAL DE INCÊNDIO CCD-100</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD600</source>
        <translation>CENTRAL DE INCÊNDIO AD600</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS MA-2000</source>
        <translation>CENTRAL DE INCÊNDIO MA-2000</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS JADEBIRD</source>
        <translation>CENTRAL DE INCÊNDIO JADEBIRD</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS C-TEC XFP</source>
        <translation>CENTRAL DE INCÊNDIO C-TEC XFP</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS PL-100/LT-159</source>
        <translation>CENTRAL DE INCÊNDIO PL-100/LT-159</translation>
    </message>
</context>
<context>
    <name>PasswordSeal</name>
    <message>
        <source>es una carpeta</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>no hay bytes aleatorios</source>
        <translation>não há bytes aleatórios</translation>
    </message>
    <message>
        <source>el cifrado AES-256-GCM ha fallado</source>
        <translation>a cifragem AES-256-GCM falhou</translation>
    </message>
</context>
<context>
    <name>RowFileText</name>
    <message>
        <source>El fichero es demasiado grande (más de %1 KB)</source>
        <translation>O ficheiro é demasiado grande (mais de %1 KB)</translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>El fichero no es un fichero de texto</source>
        <translation>O ficheiro não é um ficheiro de texto</translation>
    </message>
    <message>
        <source>El fichero está vacío</source>
        <translation>O ficheiro está vazio</translation>
    </message>
    <message>
        <source>número de campos incorrecto</source>
        <translation>número de campos incorreto</translation>
    </message>
    <message>
        <source>línea demasiado larga</source>
        <translation>linha demasiado longa</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Contraseña guardada sin sellar: </source>
        <translation>Palavra-passe guardada sem selo: </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CONECTADO</source>
        <translation>LIGADO</translation>
    </message>
</context>
<context>
    <name>TemplateFile</name>
    <message>
        <source>el archivo está vacío</source>
        <translation>o ficheiro está vazio</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>o ficheiro é demasiado grande</translation>
    </message>
    <message>
        <source>el archivo no es un texto</source>
        <translation>o ficheiro não é um texto</translation>
    </message>
    <message>
        <source>la primera línea no es la de una plantilla</source>
        <translation>a primeira linha não é a de um modelo</translation>
    </message>
    <message>
        <source>la línea %1 no es válida</source>
        <translation>a linha %1 não é válida</translation>
    </message>
    <message>
        <source>el archivo está incompleto</source>
        <translation>o ficheiro está incompleto</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Esta plantilla no es correcta</source>
        <translation>Este modelo não está correto</translation>
    </message>
    <message>
        <source>El tipo de central de la plantilla y del equipo no coinciden</source>
        <translation>O tipo de central do modelo e o do equipamento não coincidem</translation>
    </message>
</context>
<context>
    <name>UpdateProtocol</name>
    <message>
        <source>Envío ... (Bloque </source>
        <translation>Envio ... (Bloco </translation>
    </message>
    <message>
        <source>Petición bloque </source>
        <translation>Pedido do bloco </translation>
    </message>
    <message>
        <source> Iniciando la actualización ...</source>
        <translation> A iniciar a atualização ...</translation>
    </message>
    <message>
        <source>Error Time Out -&gt; trama: </source>
        <translation>Erro de time-out -&gt; trama: </translation>
    </message>
    <message>
        <source>Error en el inicio de la trama: </source>
        <translation>Erro no início da trama: </translation>
    </message>
    <message>
        <source>Error al final de la trama: </source>
        <translation>Erro no fim da trama: </translation>
    </message>
    <message>
        <source>Error CRC de la trama: </source>
        <translation>Erro de CRC da trama: </translation>
    </message>
</context>
<context>
    <name>velmar</name>
    <message>
        <source>Nueva actualización</source>
        <translation>Nova atualização</translation>
    </message>
    <message>
        <source>Descargar ahora</source>
        <translation>Descarregar agora</translation>
    </message>
</context>
<context>
    <name>velmar::AccountSession</name>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERRO!<byte value="xd"/></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>ERRO!<byte value="xd"/>Erro de ligação ao servidor: <byte value="xd"/>Verifique a ligação à Internet</translation>
    </message>
    <message>
        <source>No puede acceder al programa porque no es instalador</source>
        <translation>Não pode aceder ao programa porque não é instalador</translation>
    </message>
    <message>
        <source>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</source>
        <translation>Correio eletrónico não registado.<byte value="xd"/>Introduza os dados pedidos.</translation>
    </message>
    <message>
        <source>Correo electrónico no verificado.<byte value="xd"/>Siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar </source>
        <translation>Correio eletrónico não verificado.<byte value="xd"/>Siga as instruções recebidas no seu correio para concluir a verificação<byte value="xd"/>E depois volte a premir </translation>
    </message>
    <message>
        <source>Nuevo Usuario</source>
        <translation>Novo utilizador</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Si sale de esta ventana antes de la verificación, los datos entrados se perderán.</source>
        <translation>.<byte value="xd"/>Se sair desta janela antes da verificação, os dados introduzidos serão perdidos.</translation>
    </message>
    <message>
        <source>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</source>
        <translation>Correio eletrónico incorreto.<byte value="xd"/>Certifique-se de que introduz um endereço válido.</translation>
    </message>
    <message>
        <source>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</source>
        <translation>Palavra-passe inválida.<byte value="xd"/>Introduza a palavra-passe correta.</translation>
    </message>
    <message>
        <source>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</source>
        <translation>Demasiadas tentativas falhadas.<byte value="xd"/>Aguarde um momento e tente novamente.</translation>
    </message>
    <message>
        <source>No se puede acceder ya que este usuario está inhabilitado</source>
        <translation>Não é possível aceder porque este utilizador está desativado</translation>
    </message>
    <message>
        <source>El campo Correo electrónico no puede estar vacío</source>
        <translation>O campo Correio eletrónico não pode estar vazio</translation>
    </message>
    <message>
        <source>El campo Contraseña no puede estar vacío</source>
        <translation>O campo Palavra-passe não pode estar vazio</translation>
    </message>
    <message>
        <source>Contraseña demasiado corta. Mínimo 6 caracteres</source>
        <translation>Palavra-passe demasiado curta. Mínimo 6 caracteres</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>O campo Empresa não pode estar vazio</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>O campo Chave não pode estar vazio</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Chave demasiado curta. Mínimo 6 caracteres</translation>
    </message>
    <message>
        <source>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</source>
        <translation>Não pode haver uma referência sem instalador<byte value="xd"/>Introduza um instalador ou apague a referência</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </source>
        <translation>ATENÇÃO!<byte value="xd"/>Foi enviada uma mensagem para </translation>
    </message>
    <message>
        <source> para su verificación.<byte value="xd"/>Siga sus instrucciones y después vuelva a pulsar </source>
        <translation> para verificação.<byte value="xd"/>Siga as instruções e depois volte a premir </translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>Novo utilizador</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erro de acesso à base de dados: </translation>
    </message>
    <message>
        <source>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</source>
        <translation>A empresa, o instalador ou a referência não coincidem com os deste utilizador.<byte value="xd"/>Introduza os dados corretos ou registe um novo utilizador</translation>
    </message>
    <message>
        <source>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</source>
        <translation>Empresa não registada<byte value="xd"/>Introduza os dados em falta</translation>
    </message>
    <message>
        <source>Sesión cerrada</source>
        <translation>Sessão terminada</translation>
    </message>
    <message>
        <source>Correo electrónico no registrado</source>
        <translation>Correio eletrónico não registado</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en </source>
        <translation>ATENÇÃO!<byte value="xd"/>Utilizador não registado<byte value="xd"/> Para o registar prima </translation>
    </message>
    <message>
        <source>Faltan datos<byte value="xd"/>Pulse </source>
        <translation>Faltam dados<byte value="xd"/>Prima </translation>
    </message>
    <message>
        <source> para completar el registro</source>
        <translation> para concluir o registo</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</source>
        <translation>ERRO!<byte value="xd"/>O campo Chave não coincide com o da base de dados<byte value="xd"/>Introduza a chave correta</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></source>
        <translation>ATENÇÃO!<byte value="xd"/>Para pedir a palavra-passe deve introduzir o correio eletrónico<byte value="xd"/></translation>
    </message>
    <message>
        <source> para restablecer la contraseña</source>
        <translation> para repor a palavra-passe</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </source>
        <translation>ERRO!<byte value="xd"/>Não foi possível enviar uma mensagem para </translation>
    </message>
    <message>
        <source>Se ha producido un fallo en la conexión a Internet</source>
        <translation>Ocorreu uma falha na ligação à Internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>Compruebe la conexión a internet</source>
        <translation><byte value="xd"/>Verifique a ligação à Internet</translation>
    </message>
    <message>
        <source>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</source>
        <translation>Esta empresa/instalador/referência não existe<byte value="xd"/>Não é possível guardar as alterações</translation>
    </message>
    <message>
        <source>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</source>
        <translation>Chave errada<byte value="xd"/>Introduza a chave correta</translation>
    </message>
    <message>
        <source>Los cambios realizados se han guardado correctamente</source>
        <translation>As alterações foram guardadas corretamente</translation>
    </message>
</context>
<context>
    <name>velmar::CircuitSearch</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Los datos empresa/instalador/referencia no existen en la base de datos.<byte value="xd"/>
¿Desea darlos de alta?<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Os dados empresa/instalador/referência não existem na base de dados.<byte value="xd"/>
Deseja registá-los?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Sim    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Não    </translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Sem ligação à Internet</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Si desea acceder a otros equipos, primero debe cerrar esta conexión</source>
        <translation>Está ligado remotamente a um módulo<byte value="xd"/>
Para aceder a outros módulos, feche primeiro esta ligação</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave es incorrecta.<byte value="xd"/>
Por favor, entre la clave<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
A chave está incorreta.<byte value="xd"/>
Introduza a chave<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No puede haber una referencia sin instalador<byte value="xd"/>
Por favor, entre un instalador o borre la referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Não pode haver uma referência sem instalador<byte value="xd"/>
Introduza um instalador ou apague a referência<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Chave demasiado curta. Mínimo 6 caracteres<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
A chave introduzida não coincide com a registada<byte value="xd"/>
Introduza a chave correta</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No se ha encontrado ningún equipo para esta empresa/instalador/referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Não foi encontrado nenhum módulo para esta empresa/instalador/referência<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>Há um módulo ligado à porta USB.<byte value="xd"/>
Desligue a porta USB antes de ligar pela Internet</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por ADSL pero sí por GPRS<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de GPRS</source>
        <translation>Este módulo não está ligado por Ethernet mas está por GPRS<byte value="xd"/>
Para aceder ao módulo, faça duplo clique na célula GPRS</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por GPRS pero sí por ADSL<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de ADSL</source>
        <translation>Este módulo não está ligado por GPRS mas está por Ethernet<byte value="xd"/>
Para aceder ao módulo, faça duplo clique na célula Ethernet</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere eliminar el equipo </source>
        <translation>Tem a certeza de que quer eliminar o módulo </translation>
    </message>
    <message>
        <source> ?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancelar </translation>
    </message>
</context>
<context>
    <name>velmar::CloudDirectory</name>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Erro de ligação ao servidor: <byte value="xd"/>Não foi possível resolver o nome ou o endereço do servidor<byte value="xd"/>Verifique a ligação à Internet</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor</source>
        <translation>Erro de ligação ao servidor</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erro de acesso à base de dados: </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>Hay una nueva versión disponible<byte value="xd"/>
</source>
        <translation>Há uma nova versão disponível<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Erro de ligação ao servidor: <byte value="xd"/>Não foi possível aceder à base de dados<byte value="xd"/>Verifique a ligação à Internet</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>O campo Empresa não pode estar vazio</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Verifique a ligação à Internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Chave demasiado curta. Mínimo 6 caracteres<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
A chave introduzida não coincide com a registada<byte value="xd"/>
Introduza a chave correta</translation>
    </message>
    <message>
        <source>Nombre de empresa, instalador o referencia no válido</source>
        <translation>Nome de empresa, instalador ou referência inválido</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el histórico</source>
        <translation>Sem ligação à Internet não é possível ler o histórico</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de teléfonos</source>
        <translation>Sem ligação à Internet não é possível ler a lista de telefones</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de usuarios</source>
        <translation>Sem ligação à Internet não é possível ler a lista de utilizadores</translation>
    </message>
    <message>
        <source>Este email no existe</source>
        <translation>Este e-mail não existe</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Erro: </translation>
    </message>
    <message>
        <source>respuesta del servidor no válida</source>
        <translation>resposta do servidor inválida</translation>
    </message>
    <message>
        <source>Número de teléfono no válido: </source>
        <translation>Número de telefone inválido: </translation>
    </message>
    <message>
        <source>Usuario no válido: </source>
        <translation>Utilizador inválido: </translation>
    </message>
</context>
<context>
    <name>velmar::CommandChannel</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</source>
        <translation>Não é possível abrir esta porta<byte value="xd"/>
Desligue o cabo e volte a ligá-lo</translation>
    </message>
</context>
<context>
    <name>velmar::DoorButtons</name>
    <message>
        <source>Abriendo</source>
        <translation>A abrir</translation>
    </message>
    <message>
        <source>Abierto</source>
        <translation>Aberto</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>A fechar</translation>
    </message>
    <message>
        <source>Cerrado</source>
        <translation>Fechado</translation>
    </message>
    <message>
        <source>Esperando ...</source>
        <translation>A aguardar ...</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Utilizador não autorizado</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Aceitar   </translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Ordem de abrir</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Ordem de fechar</translation>
    </message>
</context>
<context>
    <name>velmar::DoorLists</name>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
</context>
<context>
    <name>velmar::EventHistory</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Sem ligação à Internet</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Não há nenhum equipamento ligado</translation>
    </message>
</context>
<context>
    <name>velmar::FirmwareUpdate</name>
    <message>
        <source>ACTUALIZACION</source>
        <translation>ATUALIZAÇÃO</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Não há nenhum equipamento ligado</translation>
    </message>
    <message>
        <source>Los datos recibidos para la actualización son incorrectos</source>
        <translation>Os dados recebidos para a atualização estão incorretos</translation>
    </message>
    <message>
        <source>No se ha podido conectar a internet</source>
        <translation>Não foi possível ligar à Internet</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>ERRO NA ATUALIZAÇÃO</translation>
    </message>
    <message>
        <source> No hay una nueva actualización</source>
        <translation> Não há uma nova atualização</translation>
    </message>
    <message>
        <source>No se ha encontrado ninguna actualización</source>
        <translation>Não foi encontrada nenhuma atualização</translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</source>
        <translation>Não foi possível estabelecer a comunicação com o servidor<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Não há ligação à Internet</translation>
    </message>
    <message>
        <source>Error en la conexión TCP: </source>
        <translation>Erro na ligação TCP: </translation>
    </message>
    <message>
        <source> CRC no coincideix: </source>
        <translation> O CRC não coincide: </translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</source>
        <translation>Não foi possível estabelecer a comunicação com o servidor de atualizações<byte value="xd"/>
Verifique se a porta do PC está aberta para receber dados</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor de actualizaciones: </source>
        <translation>Erro de ligação ao servidor de atualizações: </translation>
    </message>
    <message>
        <source>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</source>
        <translation>A informação recebida do servidor de atualizações está incorreta<byte value="xd"/>
A ligação vai ser fechada</translation>
    </message>
    <message>
        <source>Se ha perdido la comunicación con el servidor de Actualizaciones</source>
        <translation>Perdeu-se a comunicação com o servidor de atualizações</translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL VELMAR: ERROR GRAVE</source>
        <translation>ATUALIZAÇÃO DO VELMAR: ERRO GRAVE</translation>
    </message>
    <message>
        <source>Velmar actualizado a la versión </source>
        <translation>Velmar atualizado para a versão </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL VELMAR: FALLO DE CRC</source>
        <translation>ATUALIZAÇÃO DO VELMAR: FALHA DE CRC</translation>
    </message>
</context>
<context>
    <name>velmar::Identification</name>
    <message>
        <source>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</source>
        <translation>	CONFLITO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito não pode ser lido com este programa<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>velmar::InfoInterpreter</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación con el equipo Velmar</source>
        <translation>A comunicação com o equipamento Velmar foi cortada</translation>
    </message>
    <message>
        <source>Conectando con BC600</source>
        <translation>A ligar à BC600</translation>
    </message>
    <message>
        <source>Conectado a la Central BC600</source>
        <translation>Ligado à central BC600</translation>
    </message>
</context>
<context>
    <name>velmar::ListErase</name>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMAÇÃO</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Sim    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Não    </translation>
    </message>
    <message>
        <source>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Serão apagados todos os eventos programados no circuito<byte value="xd"/>
Tem a certeza?</translation>
    </message>
    <message>
        <source>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Serão apagadas todas as zonas programadas no circuito<byte value="xd"/>
Tem a certeza?</translation>
    </message>
    <message>
        <source>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Serão apagados todos os operadores do circuito<byte value="xd"/>
Tem a certeza?</translation>
    </message>
    <message>
        <source>Borrando el listado de operadoras</source>
        <translation>A apagar a lista de operadores</translation>
    </message>
</context>
<context>
    <name>velmar::ModuleCommands</name>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMAÇÃO</translation>
    </message>
    <message>
        <source> Se cambiará el estado de la salida </source>
        <translation> O estado da saída vai mudar </translation>
    </message>
    <message>
        <source> Cambiar </source>
        <translation> Mudar </translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Cancelar </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Saída reposta: </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Saída disparada: </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código de programación demasiado corto. Mínimo 4 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Código de programação demasiado curto. Mínimo 4 caracteres<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fechar   </translation>
    </message>
    <message>
        <source><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
A verificar o código de acesso ... <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Acessos</translation>
    </message>
</context>
<context>
    <name>velmar::ProgrammingState</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Central em telecontrolo<byte value="xd"/>Não é possível aceder à programação</translation>
    </message>
</context>
<context>
    <name>velmar::ReadCycle</name>
    <message>
        <source>Leyendo</source>
        <translation>A ler</translation>
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
Já existe uma cópia deste programa em execução <byte value="xd"/>
maximize-a a partir da barra de tarefas do Windows.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>velmar::StatusDisplay</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DESATIVADO</translation>
    </message>
    <message>
        <source>Buscando módulo</source>
        <translation>A procurar módulo</translation>
    </message>
    <message>
        <source>Buscando SIM</source>
        <translation>A procurar SIM</translation>
    </message>
    <message>
        <source>Registrándose</source>
        <translation>A registar</translation>
    </message>
    <message>
        <source>CONECTADO A LA RED</source>
        <translation>LIGADO À REDE</translation>
    </message>
    <message>
        <source>CONECTADO A INTERNET</source>
        <translation>LIGADO À INTERNET</translation>
    </message>
    <message>
        <source>CONECTADO A RECEPTORA</source>
        <translation>LIGADO À RECETORA</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>SEM   LIGAÇÃO</translation>
    </message>
    <message>
        <source>SIN CONEXIÓN A RECEPTORA</source>
        <translation>SEM LIGAÇÃO À RECETORA</translation>
    </message>
    <message>
        <source>COM: </source>
        <translation>COM: </translation>
    </message>
    <message>
        <source>Central no programada</source>
        <translation>Central não programada</translation>
    </message>
    <message>
        <source>desconectado</source>
        <translation>desligada</translation>
    </message>
    <message>
        <source>CONECTADA</source>
        <translation>LIGADA</translation>
    </message>
    <message>
        <source>NO DISPONIBLE</source>
        <translation>NÃO DISPONÍVEL</translation>
    </message>
    <message>
        <source>GPRS: No disponible</source>
        <translation>GPRS: Não disponível</translation>
    </message>
    <message>
        <source>ADSL : No disponible</source>
        <translation>ADSL : Não disponível</translation>
    </message>
</context>
<context>
    <name>velmar::StatusMonitor</name>
    <message>
        <source>Se ha cortado la comunicación con el equipo Velmar</source>
        <translation>A comunicação com o equipamento Velmar foi cortada</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación entre el equipo Velmar y el servidor de actualizaciones</source>
        <translation>A comunicação entre o equipamento Velmar e o servidor de atualizações foi cortada</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>ERRO NA ATUALIZAÇÃO</translation>
    </message>
</context>
<context>
    <name>velmar::TelecontrolBridge</name>
    <message>
        <source>«%1» no es un puerto válido</source>
        <translation>«%1» não é uma porta válida</translation>
    </message>
    <message>
        <source>«%1» no es una dirección IPv4 válida</source>
        <translation>«%1» não é um endereço IPv4 válido</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Asegúrese que la IP y el puerto coinciden con los del programa AGE44</source>
        <translation>Certifique-se de que o IP e a porta coincidem com os do programa AGE44</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fechar   </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>El puerto no puede estar vacío<byte value="xd"/></source>
        <translation>A porta não pode estar vazia<byte value="xd"/></translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Aceitar   </translation>
    </message>
    <message>
        <source>Error al acceder a la IP de la Central : <byte value="xd"/></source>
        <translation>Erro ao aceder ao IP da central: <byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>velmar::WriteCycle</name>
    <message>
        <source>Programando</source>
        <translation>A programar</translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMAÇÃO</translation>
    </message>
    <message>
        <source>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</source>
        <translation>Os valores atuais serão apagados e os valores de fábrica serão repostos<byte value="xd"/>
<byte value="xd"/>
Concorda?</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Sim    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Não    </translation>
    </message>
    <message>
        <source>Restaurando</source>
        <translation>A repor</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>No se han podido programar los campos marcados en rojo:<byte value="xd"/>
</source>
        <translation>Não foi possível programar os campos marcados a vermelho:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No se han podido restaurar los valores de fábrica</source>
        <translation>Não foi possível repor os valores de fábrica</translation>
    </message>
</context>
<context>
    <name>velmar::history::EventTexts</name>
    <message>
        <source>Abierta</source>
        <translation>Aberta</translation>
    </message>
    <message>
        <source>Cerrada</source>
        <translation>Fechada</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Ordem de abrir</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Ordem de fechar</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>A abrir</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>A fechar</translation>
    </message>
    <message>
        <source>Llamada recibida: abriendo puerta</source>
        <translation>Chamada recebida: a abrir a porta</translation>
    </message>
    <message>
        <source>Fuera del horario permitido</source>
        <translation>Fora do horário permitido</translation>
    </message>
    <message>
        <source>Número no habilitado</source>
        <translation>Número não autorizado</translation>
    </message>
    <message>
        <source>Número no registrado</source>
        <translation>Número não registado</translation>
    </message>
    <message>
        <source>Orden dada a la Central</source>
        <translation>Ordem enviada à central</translation>
    </message>
    <message>
        <source>Orden dada a las Salidas</source>
        <translation>Ordem enviada às saídas</translation>
    </message>
    <message>
        <source>Usuario fuera del horario permitido</source>
        <translation>Utilizador fora do horário permitido</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Utilizador não autorizado</translation>
    </message>
    <message>
        <source>Usuario demasiado lejos</source>
        <translation>Utilizador demasiado longe</translation>
    </message>
    <message>
        <source>Posición del usuario desconocida</source>
        <translation>Posição do utilizador desconhecida</translation>
    </message>
    <message>
        <source>Posición del equipo no registrada</source>
        <translation>Posição do equipamento não registada</translation>
    </message>
    <message>
        <source>Entrada no activada</source>
        <translation>Entrada não ativada</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Data: </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Hora: </translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Referência: </translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIÇÃO</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Botão</translation>
    </message>
</context>
<context>
    <name>velmar::history::HistoryExport</name>
    <message>
        <source>No se ha podido crear el libro</source>
        <translation>Não foi possível criar o livro</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccessCodePanel</name>
    <message>
        <source>Código de acceso a la programación:</source>
        <translation>Código de acesso à programação:</translation>
    </message>
    <message>
        <source>Entrar</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccountDataDialog</name>
    <message>
        <source>Acerca de</source>
        <translation>Acerca de</translation>
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
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Instalador:</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Referência:</translation>
    </message>
    <message>
        <source>Protección de datos: la dirección de correo, el alias y la empresa, instalador y referencia de esta cuenta se guardan en la nube del servicio para dar acceso a los equipos de la instalación. Solo se usan para este fin y se borran al darse de baja.</source>
        <translation>Proteção de dados: o endereço de e-mail, o alias, a empresa, o instalador e a referência desta conta são guardados na nuvem do serviço para dar acesso aos módulos da instalação. São usados apenas para este fim e apagados quando a conta é encerrada.</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Chave:</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Guardar alterações</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Iniciar sessão</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccountDialog</name>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Mantenga pulsado para ver el texto</source>
        <translation>Mantenha premido para ver o texto</translation>
    </message>
    <message>
        <source>Cuenta de usuario</source>
        <translation>Conta de utilizador</translation>
    </message>
    <message>
        <source>Correo electrónico (*)</source>
        <translation>Correio eletrónico (*)</translation>
    </message>
    <message>
        <source>Contraseña (*)</source>
        <translation>Palavra-passe (*)</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>Novo utilizador</translation>
    </message>
    <message>
        <source>¿Olvidó la contraseña?</source>
        <translation>Esqueceu-se da palavra-passe?</translation>
    </message>
    <message>
        <source>Empresa (*)</source>
        <translation>Empresa (*)</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Instalador</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Clave (*)</source>
        <translation>Chave (*)</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>(*) Campos obligatorios</source>
        <translation>(*) Campos obrigatórios</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AguileraC5View</name>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA AE/C5</source>
        <translation>CENTRAL DE INCÊNDIO AGUILERA AE/C5</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>CENTRAL EM TELECOMANDO</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARME</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>AVARIA</translation>
    </message>
    <message>
        <source>SIRENAS</source>
        <translation>SIRENES</translation>
    </message>
    <message>
        <source>RETARDO</source>
        <translation>RETARDO</translation>
    </message>
    <message>
        <source>DESCONEXION</source>
        <translation>DESLIGAMENTO</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>TESTE</translation>
    </message>
    <message>
        <source>220V</source>
        <translation>230V</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Avaria</translation>
    </message>
    <message>
        <source>CONECTAR DESCONECTAR</source>
        <translation>LIGAR DESLIGAR</translation>
    </message>
    <message>
        <source>       PRUEBA AVANCE</source>
        <translation>       TESTE DE PASSAGEM</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>REARMAR</translation>
    </message>
    <message>
        <source>DISPARO SIRENAS      </source>
        <translation>DISPARAR SIRENES      </translation>
    </message>
    <message>
        <source>SILENCIAR SIRENAS    </source>
        <translation>SILENCIAR SIRENES    </translation>
    </message>
</context>
<context>
    <name>velmar::ui::AguileraSaView</name>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA AE/SA</source>
        <translation>CENTRAL DE INCÊNDIO AGUILERA AE/SA</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>CENTRAL EM TELECOMANDO</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARME</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>AVARIA</translation>
    </message>
    <message>
        <source>DESCONEC.</source>
        <translation>DESLIG.</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>TESTE</translation>
    </message>
    <message>
        <source>  PROCESO EN CURSO</source>
        <translation>  PROCESSO EM CURSO</translation>
    </message>
    <message>
        <source>  Espere un momento, por favor ...</source>
        <translation>  Aguarde um momento, por favor ...</translation>
    </message>
    <message>
        <source>SILENCIO</source>
        <translation>SILÊNCIO</translation>
    </message>
    <message>
        <source>REPOSICION</source>
        <translation>REPOSIÇÃO</translation>
    </message>
    <message>
        <source>REARME</source>
        <translation>REARMAR</translation>
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
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Aceitar</translation>
    </message>
    <message>
        <source>Salir sin cambiar</source>
        <translation>Sair sem alterar</translation>
    </message>
    <message>
        <source>Conexión AGE44</source>
        <translation>Ligação AGE44</translation>
    </message>
</context>
<context>
    <name>velmar::ui::CircuitSearchPage</name>
    <message>
        <source>Empresa:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Instalador:</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Referência:</translation>
    </message>
    <message>
        <source>BUSCAR</source>
        <translation>PROCURAR</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Chave:</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Mantenga pulsado para ver la clave</source>
        <translation>Mantenha premido para ver a chave</translation>
    </message>
    <message>
        <source>ACEPTAR</source>
        <translation>ACEITAR</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Doble click para acceder al equipo o eliminarlo</source>
        <translation>Duplo clique para aceder ao módulo ou eliminá-lo</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Instalador</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>velmar::ui::DatePicker</name>
    <message>
        <source>es_ES</source>
        <comment>locale of the calendar&apos;s month and day names</comment>
        <translation>pt_PT</translation>
    </message>
</context>
<context>
    <name>velmar::ui::FieldBinder</name>
    <message>
        <source>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Este endereço IP não é válido<byte value="xd"/>Introduza um endereço correto</translation>
    </message>
    <message>
        <source>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Este endereço de e-mail não é válido<byte value="xd"/>Introduza um endereço correto</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código de programación demasiado corto. Mínimo 4 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Código de programação demasiado curto. Mínimo 4 caracteres<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fechar   </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Aceitar   </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
</context>
<context>
    <name>velmar::ui::HistoryPage</name>
    <message>
        <source>REGISTRO DE EVENTOS</source>
        <translation>REGISTO DE EVENTOS</translation>
    </message>
    <message>
        <source>A partir de: </source>
        <translation>A partir de: </translation>
    </message>
    <message>
        <source>Selecciona</source>
        <translation>Selecione</translation>
    </message>
    <message>
        <source>Borrar la fecha</source>
        <translation>Apagar a data</translation>
    </message>
    <message>
        <source>Leer los eventos</source>
        <translation>Ler os eventos</translation>
    </message>
    <message>
        <source>Exportar a Excel</source>
        <translation>Exportar para Excel</translation>
    </message>
    <message>
        <source>Guardar el registro como libro de hoja de cálculo (.xlsx)</source>
        <translation>Guardar o registo como livro de folha de cálculo (.xlsx)</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Guardar el registro como texto separado por comas (.csv)</source>
        <translation>Guardar o registo como texto separado por vírgulas (.csv)</translation>
    </message>
</context>
<context>
    <name>velmar::ui::InfoWindow</name>
    <message>
        <source>Parar</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Hexa</source>
        <translation>Hexa</translation>
    </message>
    <message>
        <source>Enviar al Velmar</source>
        <translation>Enviar ao Velmar</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Guardar</translation>
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
        <translation>Teste</translation>
    </message>
    <message>
        <source>Enviar al GSM</source>
        <translation>Enviar ao GSM</translation>
    </message>
    <message>
        <source>Guardar la información</source>
        <translation>Guardar a informação</translation>
    </message>
    <message>
        <source>Texto (*.txt)</source>
        <translation>Texto (*.txt)</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Erro ao guardar : </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Aceitar   </translation>
    </message>
    <message>
        <source>Informació port sèrie i TCP</source>
        <translation>Informação da porta série e TCP</translation>
    </message>
</context>
<context>
    <name>velmar::ui::MainWindow</name>
    <message>
        <source>No se ha podido guardar la configuración</source>
        <translation>Não foi possível guardar a configuração</translation>
    </message>
    <message>
        <source>Cerrar sesión</source>
        <translation>Terminar sessão</translation>
    </message>
    <message>
        <source>Importar el listado de eventos</source>
        <translation>Importar a lista de eventos</translation>
    </message>
    <message>
        <source>Exportar el listado de eventos</source>
        <translation>Exportar a lista de eventos</translation>
    </message>
    <message>
        <source>Listado de eventos (*.txt)</source>
        <translation>Lista de eventos (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de operadoras</source>
        <translation>Importar a lista de operadores</translation>
    </message>
    <message>
        <source>Exportar el listado de operadoras</source>
        <translation>Exportar a lista de operadores</translation>
    </message>
    <message>
        <source>Listado de operadoras (*.txt)</source>
        <translation>Lista de operadores (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de teléfonos</source>
        <translation>Importar a lista de telefones</translation>
    </message>
    <message>
        <source>Exportar el listado de teléfonos</source>
        <translation>Exportar a lista de telefones</translation>
    </message>
    <message>
        <source>Listado de teléfonos (*.txt)</source>
        <translation>Lista de telefones (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de zonas</source>
        <translation>Importar a lista de zonas</translation>
    </message>
    <message>
        <source>Exportar el listado de zonas</source>
        <translation>Exportar a lista de zonas</translation>
    </message>
    <message>
        <source>Listado de zonas (*.txt)</source>
        <translation>Lista de zonas (*.txt)</translation>
    </message>
    <message>
        <source>Fichero error</source>
        <translation>Erro de ficheiro</translation>
    </message>
    <message>
        <source>Este fichero no es correcto</source>
        <translation>Este ficheiro não está correto</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fechar   </translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMAÇÃO</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Sim    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Não    </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Aceitar   </translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Erro ao guardar : </translation>
    </message>
    <message>
        <source>Remoto</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Ligar</translation>
    </message>
    <message>
        <source>Remota</source>
        <translation>Remota</translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>Conectando</source>
        <translation>A ligar</translation>
    </message>
    <message>
        <source>Conectando con el circuito</source>
        <translation>A ligar ao circuito</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>SEM   LIGAÇÃO</translation>
    </message>
    <message>
        <source>&amp;Programación</source>
        <translation>&amp;Programação</translation>
    </message>
    <message>
        <source>CONECTADO</source>
        <translation>LIGADO</translation>
    </message>
    <message>
        <source> No se puede acceder al puerto :</source>
        <translation> Não é possível aceder à porta :</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Comunicación</source>
        <translation>&amp;Comunicação</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Puerto USB:</source>
        <translation>Porta USB:</translation>
    </message>
    <message>
        <source>Transmisión</source>
        <translation>Transmissão</translation>
    </message>
    <message>
        <source>Recepción</source>
        <translation>Receção</translation>
    </message>
    <message>
        <source>Prog.</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <source>Programación del equipo</source>
        <translation>Programação do equipamento</translation>
    </message>
    <message>
        <source>        Registrado por: </source>
        <translation>        Registado por: </translation>
    </message>
    <message>
        <source>        sin internet</source>
        <translation>        sem Internet</translation>
    </message>
    <message>
        <source>Leyendo</source>
        <translation>A ler</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Estado del equipo</source>
        <translation>Estado do equipamento</translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Guardar plantilla</source>
        <translation>Guardar modelo</translation>
    </message>
    <message>
        <source>Importar datos de plantilla</source>
        <translation>Importar dados de modelo</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATENÇÃO!</translation>
    </message>
    <message>
        <source>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</source>
        <translation>Para guardar um modelo com todos os campos, prima [Tudo]<byte value="xd"/>
Para guardar um modelo com os campos marcados, prima [Vermelho]</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Esta plantilla ya existe, ¿desea sobreescribirla?</source>
        <translation>Este modelo já existe. Pretende substituí-lo?</translation>
    </message>
    <message>
        <source>    Plantilla creada correctamente    </source>
        <translation>    Modelo criado corretamente    </translation>
    </message>
    <message>
        <source>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </source>
        <translation>Ocorreu um erro ao carregar o modelo<byte value="xd"/>
<byte value="xd"/>
ERRO : </translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>o ficheiro é demasiado grande</translation>
    </message>
    <message>
        <source>    Plantilla cargada    </source>
        <translation>    Modelo carregado    </translation>
    </message>
    <message>
        <source>Actual.</source>
        <translation>Atualiz.</translation>
    </message>
    <message>
        <source>Actualizar el firmware del equipo</source>
        <translation>Atualizar o firmware do equipamento</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Não há nenhum equipamento ligado</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</source>
        <translation>Está ligado remotamente a um equipamento<byte value="xd"/>
Antes de mudar o idioma deve fechar esta ligação</translation>
    </message>
    <message>
        <source>VLM - Software de programación Ver. </source>
        <translation>VLM - Software de programação Ver. </translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Buscar los equipos de la empresa</source>
        <translation>Procurar os módulos da empresa</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Registo</translation>
    </message>
    <message>
        <source>Los eventos del equipo guardados en la nube</source>
        <translation>Os eventos do equipamento guardados na nuvem</translation>
    </message>
    <message>
        <source>Exportar a Excel</source>
        <translation>Exportar para Excel</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>Libro de hoja de cálculo (*.xlsx)</source>
        <translation>Livro de folha de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <source>Texto CSV (*.csv)</source>
        <translation>Texto CSV (*.csv)</translation>
    </message>
    <message>
        <source>El registro se ha guardado en</source>
        <translation>O registo foi guardado em</translation>
    </message>
    <message>
        <source>¿Desea abrirlo?</source>
        <translation>Deseja abri-lo?</translation>
    </message>
    <message>
        <source>No hay ningún programa para abrir este fichero</source>
        <translation>Não há nenhum programa para abrir este ficheiro</translation>
    </message>
    <message>
        <source>Bidi</source>
        <translation>Bidi</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Sem ligação à Internet</translation>
    </message>
</context>
<context>
    <name>velmar::ui::PanelPage</name>
    <message>
        <source>Comunicación con la central</source>
        <translation>Comunicação com a central</translation>
    </message>
    <message>
        <source>Velocidad, paridad:</source>
        <translation>Velocidade, paridade:</translation>
    </message>
    <message>
        <source>Dirección del equipo en el bus de la central (hexadecimal)</source>
        <translation>Endereço do equipamento no bus da central (hexadecimal)</translation>
    </message>
    <message>
        <source>Dirección:</source>
        <translation>Endereço:</translation>
    </message>
    <message>
        <source>Listado de zonas</source>
        <translation>Lista de zonas</translation>
    </message>
    <message>
        <source>Listado de eventos</source>
        <translation>Lista de eventos</translation>
    </message>
    <message>
        <source>Nombre del fichero del listado de zonas</source>
        <translation>Nome do ficheiro da lista de zonas</translation>
    </message>
    <message>
        <source>Nombre del fichero del listado de eventos</source>
        <translation>Nome do ficheiro da lista de eventos</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Envío a la App de los códigos CID:</source>
        <translation>Envio para a App dos códigos CID:</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>CONTROLO DE ACESSOS</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>T. apertura</source>
        <translation>T. abertura</translation>
    </message>
    <message>
        <source>T. abierta</source>
        <translation>T. aberta</translation>
    </message>
    <message>
        <source>T. cierre</source>
        <translation>T. fecho</translation>
    </message>
    <message>
        <source>Botón %1</source>
        <translation>Botão %1</translation>
    </message>
    <message>
        <source>Botones</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Salidas de cada botón</source>
        <translation>Saídas de cada botão</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Cargar tel.</source>
        <translation>Carregar tel.</translation>
    </message>
    <message>
        <source>Cargar usuario</source>
        <translation>Carregar utilizadores</translation>
    </message>
</context>
<context>
    <name>velmar::ui::PanelView</name>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarmas</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Avaria</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Inibido</translation>
    </message>
    <message>
        <source>Prueba</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Prealarma</source>
        <translation>Pré-alarme</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme técnico</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Saídas</translation>
    </message>
    <message>
        <source>Mensajes</source>
        <translation>Mensagens</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Controlo</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS </source>
        <translation>CENTRAL DE INCÊNDIO </translation>
    </message>
</context>
<context>
    <name>velmar::ui::ParameterHints</name>
    <message>
        <source>Parámetro : </source>
        <translation>Parâmetro: </translation>
    </message>
    <message>
        <source>Parámetro : a partir de </source>
        <translation>Parâmetros a partir de </translation>
    </message>
</context>
<context>
    <name>velmar::ui::ProgrammingView</name>
    <message>
        <source>Accesos</source>
        <translation>Acessos</translation>
    </message>
    <message>
        <source>ERROR / RESTAURACIÓN</source>
        <translation>ERRO / REPOSIÇÃO</translation>
    </message>
    <message>
        <source>Modo pulsante</source>
        <translation>Modo pulsado</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Avisos y CRA</source>
        <translation>Avisos e CRA</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilizador</translation>
    </message>
    <message>
        <source>Leer el circuito</source>
        <translation>Ler o circuito</translation>
    </message>
    <message>
        <source>Programar el circuito</source>
        <translation>Programar o circuito</translation>
    </message>
    <message>
        <source>Restaurar los valores de fábrica</source>
        <translation>Repor os valores de fábrica</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Lee del equipo los valores de la página mostrada</source>
        <translation>Lê do equipamento os valores da página mostrada</translation>
    </message>
    <message>
        <source>Programar página</source>
        <translation>Programar página</translation>
    </message>
    <message>
        <source>Programa en el equipo los campos modificados de la página mostrada</source>
        <translation>Programa no equipamento os campos alterados da página mostrada</translation>
    </message>
    <message>
        <source>Programar</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>Programa en el equipo todos los campos modificados</source>
        <translation>Programa no equipamento todos os campos alterados</translation>
    </message>
    <message>
        <source>Identificación</source>
        <translation>Identificação</translation>
    </message>
    <message>
        <source>Modelo de la central conectada al equipo</source>
        <translation>Modelo da central ligada ao equipamento</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Empresa:</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Instalador:</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Referência:</translation>
    </message>
    <message>
        <source>Teléfono del equipo:</source>
        <translation>Telefone do equipamento:</translation>
    </message>
    <message>
        <source>Password SMS:</source>
        <translation>Palavra-passe SMS:</translation>
    </message>
    <message>
        <source>PIN de la SIM:</source>
        <translation>PIN do SIM:</translation>
    </message>
    <message>
        <source>Código de programación:</source>
        <translation>Código de programação:</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>FRANJA HORARIA</source>
        <translation>FUSO HORÁRIO</translation>
    </message>
    <message>
        <source>Red Ethernet (ADSL)</source>
        <translation>Rede Ethernet (ADSL)</translation>
    </message>
    <message>
        <source>Dirección por DHCP</source>
        <translation>Endereço por DHCP</translation>
    </message>
    <message>
        <source>Dirección MAC del equipo</source>
        <translation>Endereço MAC do equipamento</translation>
    </message>
    <message>
        <source>Dirección IP:</source>
        <translation>Endereço IP:</translation>
    </message>
    <message>
        <source>Máscara de subred:</source>
        <translation>Máscara de sub-rede:</translation>
    </message>
    <message>
        <source>Puerta de enlace:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>DNS primario:</source>
        <translation>DNS primário:</translation>
    </message>
    <message>
        <source>DNS secundario:</source>
        <translation>DNS secundário:</translation>
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
        <translation>Partes ativas</translation>
    </message>
    <message>
        <source>Operadoras GPRS</source>
        <translation>Operadores GPRS</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>Borra todas las operadoras del equipo</source>
        <translation>Apaga todos os operadores do equipamento</translation>
    </message>
    <message>
        <source>Servidor de correo (SMTP)</source>
        <translation>Servidor de correio (SMTP)</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Muestra u oculta la contraseña</source>
        <translation>Mostra ou oculta a palavra-passe</translation>
    </message>
    <message>
        <source>Servidor SMTP:</source>
        <translation>Servidor SMTP:</translation>
    </message>
    <message>
        <source>Puerto:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Usuario:</source>
        <translation>Utilizador:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Palavra-passe:</translation>
    </message>
    <message>
        <source>Remitente:</source>
        <translation>Remetente:</translation>
    </message>
    <message>
        <source>Asunto:</source>
        <translation>Assunto:</translation>
    </message>
    <message>
        <source>Avisos por SMS</source>
        <translation>Avisos por SMS</translation>
    </message>
    <message>
        <source>Avisos por e-mail</source>
        <translation>Avisos por e-mail</translation>
    </message>
    <message>
        <source>Varios teléfonos separados por &quot;;&quot;</source>
        <translation>Vários telefones separados por &quot;;&quot;</translation>
    </message>
    <message>
        <source>Teléfonos %1:</source>
        <translation>Telefones %1:</translation>
    </message>
    <message>
        <source>Varias direcciones separadas por &quot;;&quot;</source>
        <translation>Vários endereços separados por &quot;;&quot;</translation>
    </message>
    <message>
        <source>E-mail %1:</source>
        <translation>E-mail %1:</translation>
    </message>
    <message>
        <source>Central receptora de alarmas (CRA)</source>
        <translation>Central recetora de alarmes (CRA)</translation>
    </message>
    <message>
        <source>Dirección IP</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Abonado</source>
        <translation>Assinante</translation>
    </message>
    <message>
        <source>CRA %1.%2:</source>
        <translation>CRA %1.%2:</translation>
    </message>
    <message>
        <source>Códigos Contact ID en hexadecimal</source>
        <translation>Códigos Contact ID em hexadecimal</translation>
    </message>
    <message>
        <source>Polling (minutos):</source>
        <translation>Polling (minutos):</translation>
    </message>
    <message>
        <source>Envío a la App:</source>
        <translation>Envio para a App:</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRADAS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SAÍDAS</translation>
    </message>
    <message>
        <source>SISTEMA</source>
        <translation>SISTEMA</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Avisos de las entradas</source>
        <translation>Avisos das entradas</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Saídas</translation>
    </message>
    <message>
        <source>Avisos de las salidas</source>
        <translation>Avisos das saídas</translation>
    </message>
    <message>
        <source>Activación por el sistema</source>
        <translation>Ativação pelo sistema</translation>
    </message>
    <message>
        <source>Activación por entradas</source>
        <translation>Ativação por entradas</translation>
    </message>
    <message>
        <source>Inicio del sistema</source>
        <translation>Arranque do sistema</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Teste periódico</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentação</translation>
    </message>
    <message>
        <source>Pérdidas de comunicación</source>
        <translation>Perdas de comunicação</translation>
    </message>
</context>
<context>
    <name>velmar::ui::StatusPage</name>
    <message>
        <source>ESTADO GENERAL</source>
        <translation>ESTADO GERAL</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reinicia el equipo</source>
        <translation>Reinicia o equipamento</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>El equipo envía un informe de test</source>
        <translation>O equipamento envia um relatório de teste</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Envio à CRA</translation>
    </message>
    <message>
        <source>El equipo envía un test a la central receptora</source>
        <translation>O equipamento envia um teste à central recetora</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRADAS</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SAÍDAS</translation>
    </message>
    <message>
        <source>TAMPER</source>
        <translation>TAMPER</translation>
    </message>
    <message>
        <source>ALIMENTACIÓN</source>
        <translation>ALIMENTAÇÃO</translation>
    </message>
    <message>
        <source>EVENTOS</source>
        <translation>EVENTOS</translation>
    </message>
    <message>
        <source>Filtrados</source>
        <translation>Filtrados</translation>
    </message>
    <message>
        <source>Todos los eventos o solo los del instalador</source>
        <translation>Todos os eventos ou só os do instalador</translation>
    </message>
    <message>
        <source>Todos</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Parar/Continuar</source>
        <translation>Parar/Continuar</translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Apagar</translation>
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
        <translation>Procurar novas versões para atualizar</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>VERSÃO</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIÇÃO</translation>
    </message>
    <message>
        <source>BYTES</source>
        <translation>BYTES</translation>
    </message>
    <message>
        <source>DESCARGAR</source>
        <translation>DESCARREGAR</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="es_ES">
<context>
    <name>AguileraStatus</name>
    <message>
        <source>Zona de sistema</source>
        <translation>Zone système</translation>
    </message>
    <message>
        <source> ESTADO DE ALARMA: </source>
        <translation> ÉTAT D&apos;ALARME : </translation>
    </message>
    <message>
        <source> ESTADO DE AVERIA: </source>
        <translation> ÉTAT DE DÉFAUT : </translation>
    </message>
    <message>
        <source> ESTADO DE DESCONEXION: </source>
        <translation> ÉTAT DE DÉCONNEXION : </translation>
    </message>
    <message>
        <source> ESTADO DE PRUEBAS: </source>
        <translation> ÉTAT D&apos;ESSAI : </translation>
    </message>
    <message>
        <source> ZONA EN ALARMA</source>
        <translation> ZONE EN ALARME</translation>
    </message>
    <message>
        <source> ZONA EN AVERIA</source>
        <translation> ZONE EN DÉFAUT</translation>
    </message>
    <message>
        <source> ZONA DESCONECTADA</source>
        <translation> ZONE DÉCONNECTÉE</translation>
    </message>
    <message>
        <source> ZONA EN PRUEBA</source>
        <translation> ZONE EN ESSAI</translation>
    </message>
    <message>
        <source>zonas</source>
        <translation>zones</translation>
    </message>
    <message>
        <source> (PRUEBAS)</source>
        <translation> (ESSAI)</translation>
    </message>
    <message>
        <source>ERROR INTERFACE</source>
        <translation>ERREUR INTERFACE</translation>
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
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Perdido</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Conectado</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>No ADSL</source>
        <translation>Pas d&apos;Ethernet</translation>
    </message>
    <message>
        <source>No GPRS</source>
        <translation>Pas de GPRS</translation>
    </message>
</context>
<context>
    <name>CodeTables</name>
    <message>
        <source>Equipo no configurado</source>
        <translation>Équipement non configuré</translation>
    </message>
    <message>
        <source>Sensor Térmico</source>
        <translation>Détecteur thermique</translation>
    </message>
    <message>
        <source>Sensor Iónico</source>
        <translation>Détecteur ionique</translation>
    </message>
    <message>
        <source>Sensor Óptico (Fotoeléctrico)</source>
        <translation>Détecteur optique (photoélectrique)</translation>
    </message>
    <message>
        <source>Pulsador Manual de alarma (MCP)</source>
        <translation>Déclencheur manuel (DM)</translation>
    </message>
    <message>
        <source>Módulo de Control salida</source>
        <translation>Module de commande de sortie</translation>
    </message>
    <message>
        <source>Módulo de Entrada</source>
        <translation>Module d&apos;entrée</translation>
    </message>
    <message>
        <source>Módulo de Sistemas de Sprinkler</source>
        <translation>Module de système sprinkler</translation>
    </message>
    <message>
        <source>Sensor VIEW</source>
        <translation>Détecteur VIEW</translation>
    </message>
    <message>
        <source>Módulo CDI de Zonas Convencionales</source>
        <translation>Module CDI de zones conventionnelles</translation>
    </message>
    <message>
        <source>Salida de Sirena</source>
        <translation>Sortie sirène</translation>
    </message>
    <message>
        <source>Módulo AUXILIAR (señal técnica)</source>
        <translation>Module AUXILIAIRE (signal technique)</translation>
    </message>
    <message>
        <source>Módulo Monitor de Zonas Convencionales (ZMX o M512)</source>
        <translation>Module de surveillance de zones conventionnelles (ZMX ou M512)</translation>
    </message>
    <message>
        <source>Sensor Multicriterio</source>
        <translation>Détecteur multicritère</translation>
    </message>
</context>
<context>
    <name>FieldModel</name>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Hawaï</translation>
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
        <translation>(UTC-01:00) Açores</translation>
    </message>
    <message>
        <source>(UTC+00:00) Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca</source>
        <translation>(UTC+00:00) Dublin, Édimbourg, Lisbonne, Londres, Reykjavik, Casablanca</translation>
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
        <translation>(UTC+03:00) Moscou</translation>
    </message>
    <message>
        <source>(UTC+04:00) Dubai</source>
        <translation>(UTC+04:00) Dubaï</translation>
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
        <translation>(UTC+09:00) Séoul</translation>
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
        <translation>Code CID</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>   Operadora</source>
        <translation>   Opérateur</translation>
    </message>
    <message>
        <source>APN</source>
        <translation>APN</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>Disp.</source>
        <translation>Décl.</translation>
    </message>
    <message>
        <source>Rest.</source>
        <translation>Rét.</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Mensaje disparo/mensaje restaura</source>
        <translation>Message déclenchement/message rétablissement</translation>
    </message>
    <message>
        <source>Inicio</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Autoprot.</translation>
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
        <translation>CTS</translation>
    </message>
    <message>
        <source>Servidor</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Desac.</source>
        <translation>Désact.</translation>
    </message>
    <message>
        <source>T.Act.</source>
        <translation>T.Act.</translation>
    </message>
    <message>
        <source>T.Des.</source>
        <translation>T.Désact.</translation>
    </message>
    <message>
        <source>Todas</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <source>Mensaje activa/Mensaje desactiva</source>
        <translation>Message activation/Message désactivation</translation>
    </message>
    <message>
        <source>Texto del mensaje</source>
        <translation>Texte du message</translation>
    </message>
    <message>
        <source>Tiempo</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Heure : </translation>
    </message>
    <message>
        <source>N. Disp.</source>
        <translation>N° Décl.</translation>
    </message>
    <message>
        <source>N. Rest.</source>
        <translation>N° Rét.</translation>
    </message>
    <message>
        <source>T. Disp.</source>
        <translation>T. Décl.</translation>
    </message>
    <message>
        <source>T. Rest.</source>
        <translation>T. Rét.</translation>
    </message>
    <message>
        <source>Mensaje de test</source>
        <translation>Message de test</translation>
    </message>
    <message>
        <source>Mensaje de fallo/Mensaje de recuperación</source>
        <translation>Message de défaut/Message de rétablissement</translation>
    </message>
    <message>
        <source>Pérdida GSM</source>
        <translation>Perte GSM</translation>
    </message>
    <message>
        <source>Pérdida ADSL</source>
        <translation>Perte ADSL</translation>
    </message>
    <message>
        <source>Pérdida CRA</source>
        <translation>Perte CTS</translation>
    </message>
    <message>
        <source>Pérdida Servidor</source>
        <translation>Perte serveur</translation>
    </message>
    <message>
        <source>Pérdida COM</source>
        <translation>Perte COM</translation>
    </message>
    <message>
        <source>ZONA</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <source>NOMBRE</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>Sal.</source>
        <translation>Sort.</translation>
    </message>
    <message>
        <source>Activ.</source>
        <translation>Activ.</translation>
    </message>
    <message>
        <source>Entrada</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>T.Ent</source>
        <translation>T.Entr.</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Teléfonos</source>
        <translation>Téléphones</translation>
    </message>
    <message>
        <source>Referencia </source>
        <translation>Référence </translation>
    </message>
    <message>
        <source>Habilita</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Bouton</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Opérateur : </translation>
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
        <translation> Dérangement</translation>
    </message>
    <message>
        <source> Desconexión</source>
        <translation> Mise hors service</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Essai</translation>
    </message>
    <message>
        <source> Comunicación con la Central</source>
        <translation> Communication avec la centrale</translation>
    </message>
    <message>
        <source> Perdida tensión 230V</source>
        <translation> Perte secteur 230V</translation>
    </message>
    <message>
        <source> Fallo Alimentación principal</source>
        <translation> Défaut alimentation principale</translation>
    </message>
    <message>
        <source> Batería baja</source>
        <translation> Batterie faible</translation>
    </message>
    <message>
        <source> Fallo de tierra</source>
        <translation> Défaut de terre</translation>
    </message>
    <message>
        <source> Alarma pulsador</source>
        <translation> Alarme déclencheur manuel</translation>
    </message>
    <message>
        <source> Alarma detector</source>
        <translation> Alarme détecteur</translation>
    </message>
    <message>
        <source> Avería línea Abierta</source>
        <translation> Dérangement ligne ouverte</translation>
    </message>
    <message>
        <source> Avería línea Cruzada</source>
        <translation> Dérangement ligne en court-circuit</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Point hors service</translation>
    </message>
    <message>
        <source> Punto en pruebas</source>
        <translation> Point en essai</translation>
    </message>
    <message>
        <source> Alarma Pulsador Prueba</source>
        <translation> Alarme essai déclencheur manuel</translation>
    </message>
    <message>
        <source> Alarma Detector Prueba</source>
        <translation> Alarme essai détecteur</translation>
    </message>
    <message>
        <source> Relé Anulado</source>
        <translation> Relais hors service</translation>
    </message>
    <message>
        <source> Relé Avería línea Abierta</source>
        <translation> Relais dérangement ligne ouverte</translation>
    </message>
    <message>
        <source> Relé Avería línea Cruzada</source>
        <translation> Relais dérangement ligne en court-circuit</translation>
    </message>
    <message>
        <source> Relé Avería 24V</source>
        <translation> Relais dérangement 24V</translation>
    </message>
    <message>
        <source> Relé Prealarma</source>
        <translation> Relais préalarme</translation>
    </message>
    <message>
        <source> Relé Disparo</source>
        <translation> Relais déclenchement</translation>
    </message>
    <message>
        <source>Relé Aborto</source>
        <translation>Relais annulation</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Abierta</source>
        <translation> Relais sirène 1 dérangement ligne ouverte</translation>
    </message>
    <message>
        <source> Relé Sirena 1 avería línea Cruzada</source>
        <translation> Relais sirène 1 dérangement ligne en court-circuit</translation>
    </message>
    <message>
        <source> Relé Sirena 1 disparo</source>
        <translation> Relais sirène 1 déclenchement</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Abierta</source>
        <translation> Relais sirène 2 dérangement ligne ouverte</translation>
    </message>
    <message>
        <source> Relé Sirena 2 avería línea Cruzada</source>
        <translation> Relais sirène 2 dérangement ligne en court-circuit</translation>
    </message>
    <message>
        <source> Relé Sirena 2 disparo</source>
        <translation> Relais sirène 2 déclenchement</translation>
    </message>
    <message>
        <source> Relé Avería General línea Abierta</source>
        <translation> Relais dérangement général ligne ouverte</translation>
    </message>
    <message>
        <source> Relé Avería General línea Cruzada</source>
        <translation> Relais dérangement général ligne en court-circuit</translation>
    </message>
    <message>
        <source> Relé Avería General disparo</source>
        <translation> Relais dérangement général déclenchement</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería cargador</source>
        <translation> Alimentation : dérangement chargeur</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería batería descargada</source>
        <translation> Alimentation : dérangement batterie déchargée</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería sin red</source>
        <translation> Alimentation : dérangement absence secteur</translation>
    </message>
    <message>
        <source> Fuente aliment. Avería 30V</source>
        <translation> Alimentation : dérangement 30V</translation>
    </message>
    <message>
        <source> Avería batería descargada</source>
        <translation> Dérangement batterie déchargée</translation>
    </message>
    <message>
        <source> Fallo circuito abierto</source>
        <translation> Défaut circuit ouvert</translation>
    </message>
    <message>
        <source> Fallo cortocircuito</source>
        <translation> Défaut court-circuit</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zone hors service</translation>
    </message>
    <message>
        <source> Zona en pruebas</source>
        <translation> Zone en essai</translation>
    </message>
    <message>
        <source> Avería cargador baterías</source>
        <translation> Dérangement chargeur de batteries</translation>
    </message>
    <message>
        <source> Avería fallo de baterías</source>
        <translation> Dérangement défaut batteries</translation>
    </message>
    <message>
        <source> Avería de la central fallo 220V</source>
        <translation> Dérangement centrale défaut 220V</translation>
    </message>
    <message>
        <source> Sirenas fallo/anuladas</source>
        <translation> Sirènes en défaut/hors service</translation>
    </message>
    <message>
        <source> Av. sirenas anuladas</source>
        <translation> Dér. sirènes hors service</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarme capteur</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme technique</translation>
    </message>
    <message>
        <source>Alarma detector Esclavo</source>
        <translation>Alarme détecteur esclave</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarme température</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarme fumée</translation>
    </message>
    <message>
        <source>Alarma pulsador Esclavo</source>
        <translation>Alarme déclencheur manuel esclave</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarme déclencheur manuel (DM)</translation>
    </message>
    <message>
        <source>Alarma pulsador Exterior</source>
        <translation>Alarme déclencheur manuel extérieur</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarme essai incendie</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarme essai non configuré</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Dérangement communication répéteur</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Dérangement communication centrale</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Dérangement communication contrôleur</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Dérangement communication module &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Dérangement communication module CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Dérangement communication module Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Dérangement chargeur de batteries</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Dérangement batterie défectueuse</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Dérangement absence batterie</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Dérangement batterie déchargée</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Dérangement batterie surchargée</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Dérangement sous-tension</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Dérangement surtension</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Dérangement absence d&apos;alimentation</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Dérangement sortie 30V</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Dérangement boucle en court-circuit</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Dérangement capteur</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Dérangement encrassement</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Dérangement boucle ouverte</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Dérangement consommation boucle</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Dérangement point ne répond pas</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Dérangement KMAY court-circuit</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Dérangement KMAY circuit ouvert</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Dérangement MSTAY court-circuit</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Dérangement MSTAY circuit ouvert</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Dérangement technique</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Dérangement relais ligne ouverte</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Dérangement relais court-circuit</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Dérangement relais inactif</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Dérangement relais 24V</translation>
    </message>
    <message>
        <source>Tipo evento</source>
        <translation>Type d&apos;événement</translation>
    </message>
    <message>
        <source>110=Fuego</source>
        <translation>110=Feu</translation>
    </message>
    <message>
        <source>111=Humo</source>
        <translation>111=Fumée</translation>
    </message>
    <message>
        <source>112=Combustión</source>
        <translation>112=Combustion</translation>
    </message>
    <message>
        <source>113=Detector de flujo (agua)</source>
        <translation>113=Détecteur de débit (eau)</translation>
    </message>
    <message>
        <source>114=Calor</source>
        <translation>114=Chaleur</translation>
    </message>
    <message>
        <source>115=Pulsador</source>
        <translation>115=Déclencheur manuel</translation>
    </message>
    <message>
        <source>116=Detector de conducto</source>
        <translation>116=Détecteur de gaine</translation>
    </message>
    <message>
        <source>117=Detector de alarma</source>
        <translation>117=Détecteur d&apos;alarme</translation>
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
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>Este fichero ya existe, ¿desea sobreescribirlo?</source>
        <translation>Ce fichier existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Oui    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Non    </translation>
    </message>
</context>
<context>
    <name>ListText</name>
    <message>
        <source>marca de borrado incorrecta</source>
        <translation>marque d&apos;effacement incorrecte</translation>
    </message>
    <message>
        <source>valor de habilitación incorrecto</source>
        <translation>valeur d&apos;activation incorrecte</translation>
    </message>
    <message>
        <source>el número de zona no es correcto</source>
        <translation>le numéro de zone n&apos;est pas correct</translation>
    </message>
    <message>
        <source>número de zona fuera de rango (1 a 1023)</source>
        <translation>numéro de zone hors plage (1 à 1023)</translation>
    </message>
    <message>
        <source>código CID demasiado largo</source>
        <translation>code CID trop long</translation>
    </message>
    <message>
        <source>nombre de más de %1 caracteres</source>
        <translation>nom de plus de %1 caractères</translation>
    </message>
</context>
<context>
    <name>ModuleStatus</name>
    <message>
        <source>Fecha:                     Hora: </source>
        <translation>Date :                     Heure : </translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Heure : </translation>
    </message>
    <message>
        <source>Empresa: </source>
        <translation>Société : </translation>
    </message>
    <message>
        <source>Instalador: </source>
        <translation>Installateur : </translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Référence : </translation>
    </message>
    <message>
        <source>Identificador: </source>
        <translation>Identifiant : </translation>
    </message>
    <message>
        <source>Firmware: 	</source>
        <translation>Firmware : 	</translation>
    </message>
    <message>
        <source>Hardware: 	</source>
        <translation>Hardware : 	</translation>
    </message>
    <message>
        <source>   Cobertura:</source>
        <translation>   Couverture :</translation>
    </message>
    <message>
        <source> Kbytes / </source>
        <translation> Ko / </translation>
    </message>
    <message>
        <source>Módulo GSM:</source>
        <translation>Module GSM :</translation>
    </message>
    <message>
        <source>  ver.</source>
        <translation>  ver.</translation>
    </message>
    <message>
        <source>   Operadora: </source>
        <translation>   Opérateur : </translation>
    </message>
    <message>
        <source>   Imei: 	</source>
        <translation>   IMEI : 	</translation>
    </message>
    <message>
        <source>   SIM: 	</source>
        <translation>   SIM : 	</translation>
    </message>
    <message>
        <source>Módulo GSM:  </source>
        <translation>Module GSM :  </translation>
    </message>
</context>
<context>
    <name>NamedTexts</name>
    <message>
        <source>Inicio del sistema</source>
        <translation>Démarrage du système</translation>
    </message>
    <message>
        <source>Se ha generado un Reset de soft</source>
        <translation>Une réinitialisation logicielle a été générée</translation>
    </message>
    <message>
        <source>Error 0x01</source>
        <translation>Erreur 0x01</translation>
    </message>
    <message>
        <source>Error 0x02</source>
        <translation>Erreur 0x02</translation>
    </message>
    <message>
        <source>Fallo de hard</source>
        <translation>Défaut matériel</translation>
    </message>
    <message>
        <source>Grabando los parámetros en la Flash</source>
        <translation>Écriture des paramètres en Flash</translation>
    </message>
    <message>
        <source>Leyendo los parámetros de la Flash</source>
        <translation>Lecture des paramètres en Flash</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Test périodique</translation>
    </message>
    <message>
        <source>Se añade envio a la CRA: </source>
        <translation>Transmission ajoutée vers le CTS : </translation>
    </message>
    <message>
        <source>Se añade envio al servidor:</source>
        <translation>Transmission ajoutée vers le serveur :</translation>
    </message>
    <message>
        <source>Se añade envio de e-mail: </source>
        <translation>Envoi d&apos;e-mail ajouté : </translation>
    </message>
    <message>
        <source>Se añade envio de SMS: </source>
        <translation>Envoi de SMS ajouté : </translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del servidor</source>
        <translation>Erreur de mise à jour de l&apos;heure du serveur</translation>
    </message>
    <message>
        <source>Tiempo del servidor actualizado</source>
        <translation>Heure du serveur mise à jour</translation>
    </message>
    <message>
        <source>Comando enviado</source>
        <translation>Commande envoyée</translation>
    </message>
    <message>
        <source>COM no inicializado</source>
        <translation>COM non initialisé</translation>
    </message>
    <message>
        <source>COM inicializado</source>
        <translation>COM initialisé</translation>
    </message>
    <message>
        <source>Envia Hexa por COM: </source>
        <translation>Envoi hexa par COM : </translation>
    </message>
    <message>
        <source>Envia String por COM: </source>
        <translation>Envoi texte par COM : </translation>
    </message>
    <message>
        <source>Módulo GPRS no inicializado</source>
        <translation>Module GPRS non initialisé</translation>
    </message>
    <message>
        <source>Módulo GPRS inicializado</source>
        <translation>Module GPRS initialisé</translation>
    </message>
    <message>
        <source>Se enciende el módulo GPRS</source>
        <translation>Mise sous tension du module GPRS</translation>
    </message>
    <message>
        <source>Se apaga el módulo GPRS</source>
        <translation>Mise hors tension du module GPRS</translation>
    </message>
    <message>
        <source>Envío por GPRS: </source>
        <translation>Envoi par GPRS : </translation>
    </message>
    <message>
        <source>SRING recibido</source>
        <translation>SRING reçu</translation>
    </message>
    <message>
        <source>Recibido por GPRS: </source>
        <translation>Reçu par GPRS : </translation>
    </message>
    <message>
        <source>GPRS: No se puede resolver el DNS</source>
        <translation>GPRS : Impossible de résoudre le DNS</translation>
    </message>
    <message>
        <source>GPRS: Socket abierto demasiado tiempo</source>
        <translation>GPRS : Socket ouvert trop longtemps</translation>
    </message>
    <message>
        <source>GPRS: Error de socket</source>
        <translation>GPRS : Erreur de socket</translation>
    </message>
    <message>
        <source>Error al actualizar el tiempo del GPRS</source>
        <translation>Erreur de mise à jour de l&apos;heure GPRS</translation>
    </message>
    <message>
        <source>Tiempo del GPRS actualizado</source>
        <translation>Heure GPRS mise à jour</translation>
    </message>
    <message>
        <source>Módulo GPRS detectado</source>
        <translation>Module GPRS détecté</translation>
    </message>
    <message>
        <source>Falta el PIN</source>
        <translation>PIN manquant</translation>
    </message>
    <message>
        <source>Buscando la SIM</source>
        <translation>Recherche de la SIM</translation>
    </message>
    <message>
        <source>SIM y PIN correctos</source>
        <translation>SIM et PIN corrects</translation>
    </message>
    <message>
        <source>Módulo GPRS preparado</source>
        <translation>Module GPRS prêt</translation>
    </message>
    <message>
        <source>Conexión GPRS creada</source>
        <translation>Connexion GPRS établie</translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA (borrado): </source>
        <translation>GPRS : Transmission au CTS (effacée) : </translation>
    </message>
    <message>
        <source>GPRS: Envío a la CRA: </source>
        <translation>GPRS : Transmission au CTS : </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado: </source>
        <translation>GPRS : E-mail envoyé : </translation>
    </message>
    <message>
        <source>GPRS: E-mail enviado (borrado):</source>
        <translation>GPRS : E-mail envoyé (effacé) :</translation>
    </message>
    <message>
        <source>GPRS: SMS enviado: </source>
        <translation>GPRS : SMS envoyé : </translation>
    </message>
    <message>
        <source>GPRS: SMS enviado (borrado):</source>
        <translation>GPRS : SMS envoyé (effacé) :</translation>
    </message>
    <message>
        <source>GPRS: SMS recibido</source>
        <translation>GPRS : SMS reçu</translation>
    </message>
    <message>
        <source>GPRS: Entrada en bidireccional con la Central</source>
        <translation>GPRS : Début du mode bidirectionnel avec la centrale</translation>
    </message>
    <message>
        <source>GPRS: Salida de bidireccional con la Central</source>
        <translation>GPRS : Fin du mode bidirectionnel avec la centrale</translation>
    </message>
    <message>
        <source>Ethernet desactivado</source>
        <translation>Ethernet désactivé</translation>
    </message>
    <message>
        <source>Ethernet activado</source>
        <translation>Ethernet activé</translation>
    </message>
    <message>
        <source>ADSL: LinkDown</source>
        <translation>ADSL : LinkDown</translation>
    </message>
    <message>
        <source>ADSL: LinkUp</source>
        <translation>ADSL : LinkUp</translation>
    </message>
    <message>
        <source>ADSL: 10 MBit/Full</source>
        <translation>ADSL : 10 MBit/Full</translation>
    </message>
    <message>
        <source>ADSL: Error de negociación</source>
        <translation>ADSL : Erreur de négociation</translation>
    </message>
    <message>
        <source>ADSL: DhcpAddress</source>
        <translation>ADSL : DhcpAddress</translation>
    </message>
    <message>
        <source>ADSL: Respuesta recibida de la CRA: </source>
        <translation>ADSL : Réponse reçue du CTS : </translation>
    </message>
    <message>
        <source>ADSL: Socket abierto a la CRA</source>
        <translation>ADSL : Socket ouvert vers le CTS</translation>
    </message>
    <message>
        <source>ADSL: Socket cerrado a la CRA</source>
        <translation>ADSL : Socket fermé vers le CTS</translation>
    </message>
    <message>
        <source>ADSL: Resolviendo DNS...</source>
        <translation>ADSL : Résolution DNS...</translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA (borrado): </source>
        <translation>ADSL : Transmission au CTS (effacée) : </translation>
    </message>
    <message>
        <source>ADSL: Envío a la CRA: </source>
        <translation>ADSL : Transmission au CTS : </translation>
    </message>
    <message>
        <source>ADSL: Inicio de la conexión con el servidor</source>
        <translation>ADSL : Début de la connexion au serveur</translation>
    </message>
    <message>
        <source>ADSL: Conectado a la red</source>
        <translation>ADSL : Connecté au réseau</translation>
    </message>
    <message>
        <source>ADSL: Conectado al servidor</source>
        <translation>ADSL : Connecté au serveur</translation>
    </message>
    <message>
        <source>ADSL: Suscrito al servidor</source>
        <translation>ADSL : Abonné au serveur</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión con el servidor</source>
        <translation>ADSL : Erreur de connexion au serveur</translation>
    </message>
    <message>
        <source>ADSL: Error de conexión a la red</source>
        <translation>ADSL : Erreur de connexion au réseau</translation>
    </message>
    <message>
        <source>ADSL: Error de respuesta del servidor</source>
        <translation>ADSL : Erreur de réponse du serveur</translation>
    </message>
    <message>
        <source>ADSL: Envío al servidor</source>
        <translation>ADSL : Envoi au serveur</translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail (borrado): </source>
        <translation>ADSL : Envoi d&apos;e-mail (effacé) : </translation>
    </message>
    <message>
        <source>ADSL: Envío de e-mail: </source>
        <translation>ADSL : Envoi d&apos;e-mail : </translation>
    </message>
    <message>
        <source>ADSL: Entrada en bidireccional con la Central</source>
        <translation>ADSL : Début du mode bidirectionnel avec la centrale</translation>
    </message>
    <message>
        <source>ADSL: Salida de bidireccional con la Central</source>
        <translation>ADSL : Fin du mode bidirectionnel avec la centrale</translation>
    </message>
    <message>
        <source>E/S no inicializadas</source>
        <translation>E/S non initialisées</translation>
    </message>
    <message>
        <source>E/S inicializadas</source>
        <translation>E/S initialisées</translation>
    </message>
    <message>
        <source>Entrada disparada: </source>
        <translation>Entrée déclenchée : </translation>
    </message>
    <message>
        <source>Entrada restaurada: </source>
        <translation>Entrée rétablie : </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Sortie déclenchée : </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Sortie rétablie : </translation>
    </message>
    <message>
        <source>No se permite modificar la salida: </source>
        <translation>Modification de la sortie non autorisée : </translation>
    </message>
    <message>
        <source>Pérdida de </source>
        <translation>Perte de </translation>
    </message>
    <message>
        <source>Recuperado </source>
        <translation>Rétabli </translation>
    </message>
    <message>
        <source>Tamper disparado</source>
        <translation>Autoprotection déclenchée</translation>
    </message>
    <message>
        <source>Alimentación recuperada</source>
        <translation>Alimentation rétablie</translation>
    </message>
    <message>
        <source>Alimentación baja</source>
        <translation>Alimentation faible</translation>
    </message>
    <message>
        <source>Tamper restaurado</source>
        <translation>Autoprotection rétablie</translation>
    </message>
    <message>
        <source>Se ha perdido la comuniación con la Central</source>
        <translation>La communication avec la centrale a été perdue</translation>
    </message>
    <message>
        <source>ERROR de Checksum</source>
        <translation>ERREUR de checksum</translation>
    </message>
    <message>
        <source>La Central responde</source>
        <translation>La centrale répond</translation>
    </message>
    <message>
        <source>Datos recibidos: </source>
        <translation>Données reçues : </translation>
    </message>
    <message>
        <source>Envia comando a la Central: </source>
        <translation>Envoi de commande à la centrale : </translation>
    </message>
    <message>
        <source>Comando de Telecontrol: </source>
        <translation>Commande de télégestion : </translation>
    </message>
    <message>
        <source>Pérdida de comunicación con la Central</source>
        <translation>Perte de communication avec la centrale</translation>
    </message>
    <message>
        <source>Recuperación de comunicación con la Central</source>
        <translation>Rétablissement de la communication avec la centrale</translation>
    </message>
    <message>
        <source>ERROR de cheksum</source>
        <translation>ERREUR de checksum</translation>
    </message>
    <message>
        <source>Recibido de la Central: </source>
        <translation>Reçu de la centrale : </translation>
    </message>
    <message>
        <source>Bireccional recibido de la Central: </source>
        <translation>Bidirectionnel reçu de la centrale : </translation>
    </message>
    <message>
        <source>paso a Pruebas z.</source>
        <translation>passage en essai z.</translation>
    </message>
    <message>
        <source>fin de pruebas z.</source>
        <translation>fin d&apos;essai z.</translation>
    </message>
    <message>
        <source>paso a Alarma z.</source>
        <translation>passage en alarme z.</translation>
    </message>
    <message>
        <source>fin de alarma z.</source>
        <translation>fin d&apos;alarme z.</translation>
    </message>
    <message>
        <source>paso a Averia z.</source>
        <translation>passage en dérangement z.</translation>
    </message>
    <message>
        <source>fin de averia z.</source>
        <translation>fin de dérangement z.</translation>
    </message>
    <message>
        <source>paso a Desconexion z.</source>
        <translation>mise hors service z.</translation>
    </message>
    <message>
        <source>fin de desconexion z.</source>
        <translation>fin de mise hors service z.</translation>
    </message>
    <message>
        <source>Fallo de comunicación entre interface y Central</source>
        <translation>Défaut de communication entre interface et centrale</translation>
    </message>
    <message>
        <source>Recuperación de comunicación entre interface y Central</source>
        <translation>Rétablissement de la communication entre interface et centrale</translation>
    </message>
    <message>
        <source>Envía comando de usuario a la Central</source>
        <translation>Envoi d&apos;une commande utilisateur à la centrale</translation>
    </message>
    <message>
        <source>Recibido de Central:</source>
        <translation>Reçu de la centrale :</translation>
    </message>
    <message>
        <source>Sin comunicación con la Central</source>
        <translation>Pas de communication avec la centrale</translation>
    </message>
    <message>
        <source>Respuesta Central</source>
        <translation>Réponse centrale</translation>
    </message>
    <message>
        <source>Checksum ERROR</source>
        <translation>ERREUR checksum</translation>
    </message>
    <message>
        <source>Paso a Alarma Detector z.</source>
        <translation>Passage en alarme détecteur z.</translation>
    </message>
    <message>
        <source>Fin de alarma Detector z.</source>
        <translation>Fin d&apos;alarme détecteur z.</translation>
    </message>
    <message>
        <source>Paso a Alarma Pulsador z.</source>
        <translation>Passage en alarme déclencheur manuel z.</translation>
    </message>
    <message>
        <source>Fin de alarma Pulsador z.</source>
        <translation>Fin d&apos;alarme déclencheur manuel z.</translation>
    </message>
    <message>
        <source>Paso a Averia z.</source>
        <translation>Passage en dérangement z.</translation>
    </message>
    <message>
        <source>Fin de averia z.</source>
        <translation>Fin de dérangement z.</translation>
    </message>
    <message>
        <source>Paso a Desconexion z.</source>
        <translation>Mise hors service z.</translation>
    </message>
    <message>
        <source>Fin de desconexion z.</source>
        <translation>Fin de mise hors service z.</translation>
    </message>
    <message>
        <source>Paso a Pruebas z.</source>
        <translation>Passage en essai z.</translation>
    </message>
    <message>
        <source>Fin de pruebas z.</source>
        <translation>Fin d&apos;essai z.</translation>
    </message>
    <message>
        <source>Paso a Alarma en Pruebas z.</source>
        <translation>Passage en alarme en essai z.</translation>
    </message>
    <message>
        <source>Fin de alarma en Pruebas z.</source>
        <translation>Fin d&apos;alarme en essai z.</translation>
    </message>
    <message>
        <source>Fallo 220V</source>
        <translation>Défaut 220V</translation>
    </message>
    <message>
        <source>Recuperado 220V</source>
        <translation>220V rétabli</translation>
    </message>
    <message>
        <source>Fallo Bateria</source>
        <translation>Défaut batterie</translation>
    </message>
    <message>
        <source>Recuperado Bateria</source>
        <translation>Batterie rétablie</translation>
    </message>
    <message>
        <source>Alarma sensor</source>
        <translation>Alarme capteur</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme technique</translation>
    </message>
    <message>
        <source>Alarma detector Esclavo</source>
        <translation>Alarme détecteur esclave</translation>
    </message>
    <message>
        <source>Alarma temperatura</source>
        <translation>Alarme température</translation>
    </message>
    <message>
        <source>Alarma humo</source>
        <translation>Alarme fumée</translation>
    </message>
    <message>
        <source>Alarma pulsador Esclavo</source>
        <translation>Alarme déclencheur manuel esclave</translation>
    </message>
    <message>
        <source>Alarma pulsador (Call Point)</source>
        <translation>Alarme déclencheur manuel (DM)</translation>
    </message>
    <message>
        <source>Alarma pulsador Exterior</source>
        <translation>Alarme déclencheur manuel extérieur</translation>
    </message>
    <message>
        <source>Alarma prueba incendio</source>
        <translation>Alarme essai incendie</translation>
    </message>
    <message>
        <source>Alarma prueba no configurado</source>
        <translation>Alarme essai non configuré</translation>
    </message>
    <message>
        <source>Avería comunicación repetidora</source>
        <translation>Dérangement communication répéteur</translation>
    </message>
    <message>
        <source>Avería comunicación central</source>
        <translation>Dérangement communication centrale</translation>
    </message>
    <message>
        <source>Avería comunicación controladora</source>
        <translation>Dérangement communication contrôleur</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo &apos;Remote&apos;</source>
        <translation>Dérangement communication module &apos;Remote&apos;</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo CID</source>
        <translation>Dérangement communication module CID</translation>
    </message>
    <message>
        <source>Avería comunicación Módulo Red2</source>
        <translation>Dérangement communication module Red2</translation>
    </message>
    <message>
        <source>Avería cargador baterías</source>
        <translation>Dérangement chargeur de batteries</translation>
    </message>
    <message>
        <source>Avería batería averiada</source>
        <translation>Dérangement batterie défectueuse</translation>
    </message>
    <message>
        <source>Avería sin batería</source>
        <translation>Dérangement absence batterie</translation>
    </message>
    <message>
        <source>Avería batería descargada</source>
        <translation>Dérangement batterie déchargée</translation>
    </message>
    <message>
        <source>Avería batería sobrecargada</source>
        <translation>Dérangement batterie surchargée</translation>
    </message>
    <message>
        <source>Avería baja tensión</source>
        <translation>Dérangement sous-tension</translation>
    </message>
    <message>
        <source>Avería sobretensión</source>
        <translation>Dérangement surtension</translation>
    </message>
    <message>
        <source>Avería no alimentación</source>
        <translation>Dérangement absence d&apos;alimentation</translation>
    </message>
    <message>
        <source>Avería salida 30v</source>
        <translation>Dérangement sortie 30V</translation>
    </message>
    <message>
        <source>Avería bucle cortocircuito</source>
        <translation>Dérangement boucle en court-circuit</translation>
    </message>
    <message>
        <source>Avería sensor</source>
        <translation>Dérangement capteur</translation>
    </message>
    <message>
        <source>Avería suciedad</source>
        <translation>Dérangement encrassement</translation>
    </message>
    <message>
        <source>Avería bucle abierto</source>
        <translation>Dérangement boucle ouverte</translation>
    </message>
    <message>
        <source>Avería consumo bucle</source>
        <translation>Dérangement consommation boucle</translation>
    </message>
    <message>
        <source>Avería punto no contesta</source>
        <translation>Dérangement point ne répond pas</translation>
    </message>
    <message>
        <source>Avería KMAY cortocircuito</source>
        <translation>Dérangement KMAY court-circuit</translation>
    </message>
    <message>
        <source>Avería KMAY circuito abierto</source>
        <translation>Dérangement KMAY circuit ouvert</translation>
    </message>
    <message>
        <source>Avería MSTAY cortocircuito</source>
        <translation>Dérangement MSTAY court-circuit</translation>
    </message>
    <message>
        <source>Avería MSTAY circuito abierto</source>
        <translation>Dérangement MSTAY circuit ouvert</translation>
    </message>
    <message>
        <source>Avería técnica</source>
        <translation>Dérangement technique</translation>
    </message>
    <message>
        <source>Avería Relé linea abierta</source>
        <translation>Dérangement relais ligne ouverte</translation>
    </message>
    <message>
        <source>Avería Relé cortocircuito</source>
        <translation>Dérangement relais court-circuit</translation>
    </message>
    <message>
        <source>Avería Relé no activo</source>
        <translation>Dérangement relais inactif</translation>
    </message>
    <message>
        <source>Avería Relé 24V</source>
        <translation>Dérangement relais 24V</translation>
    </message>
    <message>
        <source> Punto Anulado</source>
        <translation> Point hors service</translation>
    </message>
    <message>
        <source> Zona anulada</source>
        <translation> Zone hors service</translation>
    </message>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>DÉRANGEMENT BOUCLE</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>DÉRANGEMENT SIRÈNES</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>DÉRANGEMENT ALIMENTATION</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>DÉRANGEMENT DÉFAUT DE TERRE</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>DÉRANGEMENT HORS SERVICE</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>DÉRANGEMENT SYSTÈME</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>DÉRANGEMENT RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ÉLÉMENT NE RÉPOND PAS</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RÉPONSE DOUBLE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TYPE MODIFIÉ</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>COUPURE SUR ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>COURT-CIRCUIT SUR ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ÉLÉMENT ENCRASSÉ</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>ACTIVATION MANUELLE DE L&apos;ÉVACUATION</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>DÉCLENCHEMENT MANUEL DES SIRÈNES</translation>
    </message>
    <message>
        <source>DESCONEXION DE ZONA</source>
        <translation>MISE HORS SERVICE DE ZONE</translation>
    </message>
    <message>
        <source>DESCONEXION DE RELES</source>
        <translation>MISE HORS SERVICE DES RELAIS</translation>
    </message>
    <message>
        <source>DESCONEXION DE SIRENAS</source>
        <translation>MISE HORS SERVICE DES SIRÈNES</translation>
    </message>
    <message>
        <source>DESCONEXION DE ELEMENTO</source>
        <translation>MISE HORS SERVICE D&apos;ÉLÉMENT</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Acquitter    </translation>
    </message>
    <message>
        <source>FALLO DE 24V EN MÓDULO</source>
        <translation>DÉFAUT 24V SUR MODULE</translation>
    </message>
    <message>
        <source>SEÑAL TÉCNICA</source>
        <translation>SIGNAL TECHNIQUE</translation>
    </message>
    <message>
        <source>BATERIA PRIMARIA (RADIO)</source>
        <translation>BATTERIE PRINCIPALE (RADIO)</translation>
    </message>
    <message>
        <source>BATERIA SECUNDARIA (RADIO)</source>
        <translation>BATTERIE SECONDAIRE (RADIO)</translation>
    </message>
    <message>
        <source>TAMPER ABIERTO (RADIO)</source>
        <translation>AUTOPROTECTION OUVERTE (RADIO)</translation>
    </message>
    <message>
        <source>ERROR FATAL (RADIO)</source>
        <translation>ERREUR FATALE (RADIO)</translation>
    </message>
    <message>
        <source>ERROR DE RADIOFRECUENCIA</source>
        <translation>ERREUR DE RADIOFRÉQUENCE</translation>
    </message>
</context>
<context>
    <name>OfflineStatus</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>Último dato recibido: </source>
        <translation>Dernière donnée reçue : </translation>
    </message>
</context>
<context>
    <name>PanelEvents</name>
    <message>
        <source>AVERIA EN LAZO</source>
        <translation>DÉRANGEMENT BOUCLE</translation>
    </message>
    <message>
        <source>AVERIA EN SIRENAS</source>
        <translation>DÉRANGEMENT SIRÈNES</translation>
    </message>
    <message>
        <source>AVERIA DE ALIMENTACION</source>
        <translation>DÉRANGEMENT ALIMENTATION</translation>
    </message>
    <message>
        <source>AVERIA DERIV. A TIERRA</source>
        <translation>DÉRANGEMENT DÉFAUT DE TERRE</translation>
    </message>
    <message>
        <source>AVERIA FUERA DE SERVICIO</source>
        <translation>DÉRANGEMENT HORS SERVICE</translation>
    </message>
    <message>
        <source>AVERIA DE SISTEMA</source>
        <translation>DÉRANGEMENT SYSTÈME</translation>
    </message>
    <message>
        <source>AVERIA EN RS-485/232</source>
        <translation>DÉRANGEMENT RS-485/232</translation>
    </message>
    <message>
        <source>ELEMENTO NO RESPONDE</source>
        <translation>ÉLÉMENT NE RÉPOND PAS</translation>
    </message>
    <message>
        <source>RESPUESTA DOBLE</source>
        <translation>RÉPONSE DOUBLE</translation>
    </message>
    <message>
        <source>TIPO CAMBIADO</source>
        <translation>TYPE MODIFIÉ</translation>
    </message>
    <message>
        <source>CORTE EN ...</source>
        <translation>COUPURE SUR ...</translation>
    </message>
    <message>
        <source>CRUCE EN ...</source>
        <translation>COURT-CIRCUIT SUR ...</translation>
    </message>
    <message>
        <source>ELEMENTO SUCIO</source>
        <translation>ÉLÉMENT ENCRASSÉ</translation>
    </message>
    <message>
        <source>FALLO DE 24V EN MÓDULO</source>
        <translation>DÉFAUT 24V SUR MODULE</translation>
    </message>
    <message>
        <source>SEÑAL TÉCNICA</source>
        <translation>SIGNAL TECHNIQUE</translation>
    </message>
    <message>
        <source>BATERIA PRIMARIA (RADIO)</source>
        <translation>BATTERIE PRINCIPALE (RADIO)</translation>
    </message>
    <message>
        <source>BATERIA SECUNDARIA (RADIO)</source>
        <translation>BATTERIE SECONDAIRE (RADIO)</translation>
    </message>
    <message>
        <source>TAMPER ABIERTO (RADIO)</source>
        <translation>AUTOPROTECTION OUVERTE (RADIO)</translation>
    </message>
    <message>
        <source>ERROR FATAL (RADIO)</source>
        <translation>ERREUR FATALE (RADIO)</translation>
    </message>
    <message>
        <source>ERROR DE RADIOFRECUENCIA</source>
        <translation>ERREUR DE RADIOFRÉQUENCE</translation>
    </message>
    <message>
        <source>DESCONEXION DE ZONA</source>
        <translation>MISE HORS SERVICE DE ZONE</translation>
    </message>
    <message>
        <source>DESCONEXION DE RELES</source>
        <translation>MISE HORS SERVICE DES RELAIS</translation>
    </message>
    <message>
        <source>DESCONEXION DE SIRENAS</source>
        <translation>MISE HORS SERVICE DES SIRÈNES</translation>
    </message>
    <message>
        <source>DESCONEXION DE ELEMENTO</source>
        <translation>MISE HORS SERVICE D&apos;ÉLÉMENT</translation>
    </message>
    <message>
        <source>DISPARO DE SIRENAS MANUAL</source>
        <translation>DÉCLENCHEMENT MANUEL DES SIRÈNES</translation>
    </message>
    <message>
        <source>ACTIVACIÓN MANUAL DE EVACUACIÓN</source>
        <translation>ACTIVATION MANUELLE DE L&apos;ÉVACUATION</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Fallo</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Hors service</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Alarma</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source> Avería</source>
        <translation> Dérangement</translation>
    </message>
    <message>
        <source> Prueba</source>
        <translation> Essai</translation>
    </message>
    <message>
        <source>Valor: </source>
        <translation>Valeur : </translation>
    </message>
    <message>
        <source>PREALARMA </source>
        <translation>PRÉALARME </translation>
    </message>
    <message>
        <source>AV ZONA</source>
        <translation>DÉR. ZONE</translation>
    </message>
    <message>
        <source>AV CTRAL</source>
        <translation>DÉR. CENTR.</translation>
    </message>
    <message>
        <source>FUEGO: </source>
        <translation>FEU : </translation>
    </message>
    <message>
        <source>EVACUACIÓN: </source>
        <translation>ÉVACUATION : </translation>
    </message>
    <message>
        <source>ALERTA: </source>
        <translation>ALERTE : </translation>
    </message>
    <message>
        <source>SEGURIDAD: </source>
        <translation>SÉCURITÉ : </translation>
    </message>
    <message>
        <source>AVERÍA: </source>
        <translation>DÉRANGEMENT : </translation>
    </message>
    <message>
        <source>DESACTIVACIÓN: </source>
        <translation>MISE HORS SERVICE : </translation>
    </message>
    <message>
        <source>ALARMA TÉCNICA: </source>
        <translation>ALARME TECHNIQUE : </translation>
    </message>
    <message>
        <source>PRUEBA: </source>
        <translation>ESSAI : </translation>
    </message>
    <message>
        <source>MODO DE PRUEBA</source>
        <translation>MODE ESSAI</translation>
    </message>
    <message>
        <source>Corto circuito en lazo</source>
        <translation>Court-circuit sur la boucle</translation>
    </message>
    <message>
        <source>Circuito abierto en lazo</source>
        <translation>Circuit ouvert sur la boucle</translation>
    </message>
    <message>
        <source>Avería de salida supervisada</source>
        <translation>Dérangement sortie surveillée</translation>
    </message>
    <message>
        <source>desactivado zona</source>
        <translation>zone désactivée</translation>
    </message>
    <message>
        <source>Modo de prueba audible</source>
        <translation>Mode essai sonore</translation>
    </message>
    <message>
        <source>Dirección lógica</source>
        <translation>Adresse logique</translation>
    </message>
    <message>
        <source>Evento: </source>
        <translation>Événement : </translation>
    </message>
    <message>
        <source> de </source>
        <translation> sur </translation>
    </message>
    <message>
        <source>Cent : </source>
        <translation>Centr. : </translation>
    </message>
    <message>
        <source>Zona : </source>
        <translation>Zone : </translation>
    </message>
    <message>
        <source>Lazo: </source>
        <translation>Boucle : </translation>
    </message>
    <message>
        <source>Dir.  : </source>
        <translation>Adr.  : </translation>
    </message>
    <message>
        <source>Central: </source>
        <translation>Centrale : </translation>
    </message>
    <message>
        <source>Evacuación manual</source>
        <translation>Évacuation manuelle</translation>
    </message>
    <message>
        <source>Alarma sistema</source>
        <translation>Alarme système</translation>
    </message>
    <message>
        <source>Dir: </source>
        <translation>Adr. : </translation>
    </message>
    <message>
        <source>Avería</source>
        <translation>Dérangement</translation>
    </message>
    <message>
        <source>Zona: </source>
        <translation>Zone : </translation>
    </message>
    <message>
        <source>Sin alarmas</source>
        <translation>Aucune alarme</translation>
    </message>
    <message>
        <source>Sin averias</source>
        <translation>Aucun dérangement</translation>
    </message>
    <message>
        <source>Sin eventos</source>
        <translation>Aucun événement</translation>
    </message>
    <message>
        <source>Nivel usuario</source>
        <translation>Niveau utilisateur</translation>
    </message>
    <message>
        <source>Nivel instalador</source>
        <translation>Niveau installateur</translation>
    </message>
    <message>
        <source>ALARMAS                                     TIPO:</source>
        <translation>ALARMES                                     TYPE:</translation>
    </message>
    <message>
        <source>AVERIAS                                      TIPO:</source>
        <translation>DÉFAUTS                                      TYPE:</translation>
    </message>
    <message>
        <source>DISPARO                                      RELE:</source>
        <translation>DÉCLENCHEMENT                                RELAIS:</translation>
    </message>
    <message>
        <source>ANULADA                                     TIPO:</source>
        <translation>DÉSACTIVÉE                                  TYPE:</translation>
    </message>
</context>
<context>
    <name>PanelFronts</name>
    <message>
        <source>Rearme</source>
        <translation>Réarmement</translation>
    </message>
    <message>
        <source>Silenciar zumbador</source>
        <translation>Arrêt buzzer</translation>
    </message>
    <message>
        <source>Silenciar sirenas</source>
        <translation>Arrêt sirènes</translation>
    </message>
    <message>
        <source>Zumbador</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>Equipos</source>
        <translation>Équipements</translation>
    </message>
    <message>
        <source>Sirenas</source>
        <translation>Sirènes</translation>
    </message>
    <message>
        <source>Activar sirenas</source>
        <translation>Activer les sirènes</translation>
    </message>
    <message>
        <source>Anulada</source>
        <translation>Hors service</translation>
    </message>
    <message>
        <source>Tierra</source>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Sistema</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Servicio</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Fuego</source>
        <translation>Feu</translation>
    </message>
    <message>
        <source>Ruta</source>
        <translation>Voie</translation>
    </message>
    <message>
        <source>Prealarma</source>
        <translation>Préalarme</translation>
    </message>
    <message>
        <source>Desactivado</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>Prueba</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Desconexión</source>
        <translation>Mise hors service</translation>
    </message>
    <message>
        <source>Enterado</source>
        <translation>Acquitter</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Disparo sirenas</source>
        <translation>Déclencher les sirènes</translation>
    </message>
    <message>
        <source>Evacuación</source>
        <translation>Évacuation</translation>
    </message>
</context>
<context>
    <name>PanelOrders</name>
    <message>
        <source>¿Está seguro que quiere Rearmar la Central?</source>
        <translation>Voulez-vous vraiment réarmer la centrale ?</translation>
    </message>
    <message>
        <source>Rearmando la Central desde PC</source>
        <translation>Réarmement de la centrale depuis le PC</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere hacer Reset a la Central?</source>
        <translation>Voulez-vous vraiment faire un reset de la centrale ?</translation>
    </message>
    <message>
        <source>Reset a la Central desde PC</source>
        <translation>Reset de la centrale depuis le PC</translation>
    </message>
    <message>
        <source>Reposición de la Central desde PC</source>
        <translation>Remise en état de la centrale depuis le PC</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere silenciar el zumbador?</source>
        <translation>Voulez-vous vraiment arrêter le buzzer ?</translation>
    </message>
    <message>
        <source>Silenciar zumbador desde PC</source>
        <translation>Arrêt du buzzer depuis le PC</translation>
    </message>
    <message>
        <source>    Enterado    </source>
        <translation>    Acquitter    </translation>
    </message>
    <message>
        <source>¿Está seguro que quiere silenciar la sirena?</source>
        <translation>Voulez-vous vraiment arrêter la sirène ?</translation>
    </message>
    <message>
        <source>Silenciar sirena desde PC</source>
        <translation>Arrêt de la sirène depuis le PC</translation>
    </message>
    <message>
        <source>¿Está seguri que quiere silenciar/activar la sirena?</source>
        <translation>Voulez-vous vraiment arrêter/activer la sirène ?</translation>
    </message>
    <message>
        <source>Disparo sirena desde PC</source>
        <translation>Déclenchement de la sirène depuis le PC</translation>
    </message>
    <message>
        <source>Activar sirenas desde PC</source>
        <translation>Activation des sirènes depuis le PC</translation>
    </message>
    <message>
        <source>Evacuación manual desde PC</source>
        <translation>Évacuation manuelle depuis le PC</translation>
    </message>
    <message>
        <source>Activar modo pruebas/anulado desde PC</source>
        <translation>Activation du mode essai/hors service depuis le PC</translation>
    </message>
</context>
<context>
    <name>PanelPage</name>
    <message>
        <source>BaudRate,paritat (por ejemplo %1,e)</source>
        <translation>Débit,parité (par exemple %1,e)</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA</source>
        <translation>CENTRALE INCENDIE AGUILERA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS BC600/216</source>
        <translation>CENTRALE INCENDIE BC600/216</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>CONTRÔLE D&apos;ACCÈS</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM</source>
        <translation>CENTRALE INCENDIE COFEM</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS DETNOV</source>
        <translation>CENTRALE INCENDIE DETNOV</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS URANO</source>
        <translation>CENTRALE INCENDIE URANO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SYNCRO</source>
        <translation>CENTRALE INCENDIE SYNCRO</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AVENAR (BOSCH)</source>
        <translation>CENTRALE INCENDIE AVENAR (BOSCH)</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD300</source>
        <translation>CENTRALE INCENDIE AD300</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS SUPRA</source>
        <translation>CENTRALE INCENDIE SUPRA</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS COFEM ZAFIR</source>
        <translation>CENTRALE INCENDIE COFEM ZAFIR</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS KOMTTECH</source>
        <translation>CENTRALE INCENDIE KOMTTECH</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS ID3000</source>
        <translation>CENTRALE INCENDIE ID3000</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS CCD-100</source>
        <translation>CENTRALE INCENDIE CCD-100</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS AD600</source>
        <translation>CENTRALE INCENDIE AD600</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS MA-2000</source>
        <translation>CENTRALE INCENDIE MA-2000</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS JADEBIRD</source>
        <translation>CENTRALE INCENDIE JADEBIRD</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS C-TEC XFP</source>
        <translation>CENTRALE INCENDIE C-TEC XFP</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS PL-100/LT-159</source>
        <translation>CENTRALE INCENDIE PL-100/LT-159</translation>
    </message>
</context>
<context>
    <name>PasswordSeal</name>
    <message>
        <source>es una carpeta</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>no hay bytes aleatorios</source>
        <translation>pas d&apos;octets aléatoires disponibles</translation>
    </message>
    <message>
        <source>el cifrado AES-256-GCM ha fallado</source>
        <translation>le chiffrement AES-256-GCM a échoué</translation>
    </message>
</context>
<context>
    <name>RowFileText</name>
    <message>
        <source>El fichero es demasiado grande (más de %1 KB)</source>
        <translation>Le fichier est trop volumineux (plus de %1 Ko)</translation>
    </message>
    <message>
        <source>Línea %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>El fichero no es un fichero de texto</source>
        <translation>Le fichier n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>El fichero está vacío</source>
        <translation>Le fichier est vide</translation>
    </message>
    <message>
        <source>número de campos incorrecto</source>
        <translation>nombre de champs incorrect</translation>
    </message>
    <message>
        <source>línea demasiado larga</source>
        <translation>ligne trop longue</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Contraseña guardada sin sellar: </source>
        <translation>Mot de passe enregistré sans scellement : </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>CONECTADO</source>
        <translation>CONNECTÉ</translation>
    </message>
</context>
<context>
    <name>TemplateFile</name>
    <message>
        <source>el archivo está vacío</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>el archivo no es un texto</source>
        <translation>le fichier n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>la primera línea no es la de una plantilla</source>
        <translation>la première ligne n&apos;est pas celle d&apos;un modèle</translation>
    </message>
    <message>
        <source>la línea %1 no es válida</source>
        <translation>la ligne %1 n&apos;est pas valide</translation>
    </message>
    <message>
        <source>el archivo está incompleto</source>
        <translation>le fichier est incomplet</translation>
    </message>
</context>
<context>
    <name>Templates</name>
    <message>
        <source>Esta plantilla no es correcta</source>
        <translation>Ce modèle n&apos;est pas correct</translation>
    </message>
    <message>
        <source>El tipo de central de la plantilla y del equipo no coinciden</source>
        <translation>Le type de centrale du modèle ne correspond pas à celui de l&apos;équipement</translation>
    </message>
</context>
<context>
    <name>UpdateProtocol</name>
    <message>
        <source>Envío ... (Bloque </source>
        <translation>Envoi ... (Bloc </translation>
    </message>
    <message>
        <source>Petición bloque </source>
        <translation>Demande du bloc </translation>
    </message>
    <message>
        <source> Iniciando la actualización ...</source>
        <translation> Démarrage de la mise à jour ...</translation>
    </message>
    <message>
        <source>Error Time Out -&gt; trama: </source>
        <translation>Erreur de time-out -&gt; trame : </translation>
    </message>
    <message>
        <source>Error en el inicio de la trama: </source>
        <translation>Erreur au début de la trame : </translation>
    </message>
    <message>
        <source>Error al final de la trama: </source>
        <translation>Erreur à la fin de la trame : </translation>
    </message>
    <message>
        <source>Error CRC de la trama: </source>
        <translation>Erreur CRC de la trame : </translation>
    </message>
</context>
<context>
    <name>velmar</name>
    <message>
        <source>Nueva actualización</source>
        <translation>Nouvelle mise à jour</translation>
    </message>
    <message>
        <source>Descargar ahora</source>
        <translation>Télécharger maintenant</translation>
    </message>
</context>
<context>
    <name>velmar::AccountSession</name>
    <message>
        <source>¡ ERROR !<byte value="xd"/></source>
        <translation>ERREUR !<byte value="xd"/></translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>Error de conexión con el servidor: <byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>ERREUR !<byte value="xd"/>Erreur de connexion au serveur : <byte value="xd"/>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>No puede acceder al programa porque no es instalador</source>
        <translation>Vous ne pouvez pas accéder au programme car vous n&apos;êtes pas installateur</translation>
    </message>
    <message>
        <source>Correo electrónico no registrado.<byte value="xd"/>Por favor, entre los datos solicitados.</source>
        <translation>Adresse e-mail non enregistrée.<byte value="xd"/>Veuillez saisir les informations demandées.</translation>
    </message>
    <message>
        <source>Correo electrónico no verificado.<byte value="xd"/>Siga las instrucciones recibidas en su correo para realizar la verificación<byte value="xd"/>Y después vuelva a pulsar </source>
        <translation>Adresse e-mail non vérifiée.<byte value="xd"/>Suivez les instructions reçues par e-mail pour la vérifier<byte value="xd"/>Puis appuyez à nouveau sur </translation>
    </message>
    <message>
        <source>Nuevo Usuario</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <source>.<byte value="xd"/>Si sale de esta ventana antes de la verificación, los datos entrados se perderán.</source>
        <translation>.<byte value="xd"/>Si vous quittez cette fenêtre avant la vérification, les données saisies seront perdues.</translation>
    </message>
    <message>
        <source>Correo electrónico incorrecto.<byte value="xd"/>Por favor, asegúrese de entrar un correo válido.</source>
        <translation>Adresse e-mail incorrecte.<byte value="xd"/>Veuillez saisir une adresse valide.</translation>
    </message>
    <message>
        <source>Contraseña inválida.<byte value="xd"/>Por favor, introduzca la contraseña correcta.</source>
        <translation>Mot de passe non valide.<byte value="xd"/>Veuillez saisir le mot de passe correct.</translation>
    </message>
    <message>
        <source>Demasiados intentos de cambio fallidos.<byte value="xd"/>Espere un momento y vuelva a intentarlo.</source>
        <translation>Trop de tentatives échouées.<byte value="xd"/>Patientez un instant puis réessayez.</translation>
    </message>
    <message>
        <source>No se puede acceder ya que este usuario está inhabilitado</source>
        <translation>Accès impossible : cet utilisateur est désactivé</translation>
    </message>
    <message>
        <source>El campo Correo electrónico no puede estar vacío</source>
        <translation>Le champ E-mail ne peut pas être vide</translation>
    </message>
    <message>
        <source>El campo Contraseña no puede estar vacío</source>
        <translation>Le champ Mot de passe ne peut pas être vide</translation>
    </message>
    <message>
        <source>Contraseña demasiado corta. Mínimo 6 caracteres</source>
        <translation>Mot de passe trop court. 6 caractères minimum</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>Le champ Société ne peut pas être vide</translation>
    </message>
    <message>
        <source>El campo Clave no puede estar vacío</source>
        <translation>Le champ Clé ne peut pas être vide</translation>
    </message>
    <message>
        <source>Clave demasiado corta. Mínimo 6 caracteres</source>
        <translation>Clé trop courte. 6 caractères minimum</translation>
    </message>
    <message>
        <source>No puede haber una referencia sin instalador<byte value="xd"/>Por favor, entre un instalador o borre la referencia</source>
        <translation>Une référence nécessite un installateur<byte value="xd"/>Veuillez saisir un installateur ou effacer la référence</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Se ha enviado un mensaje a </source>
        <translation>ATTENTION !<byte value="xd"/>Un message a été envoyé à </translation>
    </message>
    <message>
        <source> para su verificación.<byte value="xd"/>Siga sus instrucciones y después vuelva a pulsar </source>
        <translation> pour vérification.<byte value="xd"/>Suivez ses instructions puis appuyez à nouveau sur </translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erreur d&apos;accès à la base de données : </translation>
    </message>
    <message>
        <source>La empresa, el instalador o la referencia no coinciden con los de este usuario.<byte value="xd"/>Por favor, introduzca los datos correctos o registre un nuevo usuario</source>
        <translation>La société, l&apos;installateur ou la référence ne correspondent pas à cet utilisateur.<byte value="xd"/>Veuillez saisir les bonnes informations ou enregistrer un nouvel utilisateur</translation>
    </message>
    <message>
        <source>Empresa no dada de alta<byte value="xd"/>Por favor, introduzca los datos que faltan</source>
        <translation>Société non enregistrée<byte value="xd"/>Veuillez saisir les informations manquantes</translation>
    </message>
    <message>
        <source>Sesión cerrada</source>
        <translation>Session fermée</translation>
    </message>
    <message>
        <source>Correo electrónico no registrado</source>
        <translation>Adresse e-mail non enregistrée</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Usuario no registrado<byte value="xd"/> Si desea registrarlo pulse en </source>
        <translation>ATTENTION !<byte value="xd"/>Utilisateur non enregistré<byte value="xd"/> Pour l&apos;enregistrer, appuyez sur </translation>
    </message>
    <message>
        <source>Faltan datos<byte value="xd"/>Pulse </source>
        <translation>Informations manquantes<byte value="xd"/>Appuyez sur </translation>
    </message>
    <message>
        <source> para completar el registro</source>
        <translation> pour terminer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>El campo Clave no coincide con el de la base de datos<byte value="xd"/>Por favor, introduzca la clave correcta</source>
        <translation>ERREUR !<byte value="xd"/>Le champ Clé ne correspond pas à la base de données<byte value="xd"/>Veuillez saisir la bonne clé</translation>
    </message>
    <message>
        <source>¡ ATENCION !<byte value="xd"/>Para pedir la contraseña debe entrar el Correo electrónico<byte value="xd"/></source>
        <translation>ATTENTION !<byte value="xd"/>Pour demander le mot de passe, saisissez l&apos;adresse e-mail<byte value="xd"/></translation>
    </message>
    <message>
        <source> para restablecer la contraseña</source>
        <translation> pour réinitialiser le mot de passe</translation>
    </message>
    <message>
        <source>¡ ERROR !<byte value="xd"/>No se podido enviar un mensaje a </source>
        <translation>ERREUR !<byte value="xd"/>Impossible d&apos;envoyer un message à </translation>
    </message>
    <message>
        <source>Se ha producido un fallo en la conexión a Internet</source>
        <translation>La connexion Internet a échoué</translation>
    </message>
    <message>
        <source><byte value="xd"/>Compruebe la conexión a internet</source>
        <translation><byte value="xd"/>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>No existe esta empresa/instalador/referencia<byte value="xd"/>No se pueden guardar los cambios</source>
        <translation>Cette société/installateur/référence n&apos;existe pas<byte value="xd"/>Les modifications ne peuvent pas être enregistrées</translation>
    </message>
    <message>
        <source>Clave errónea<byte value="xd"/>Por favor, entre la clave correcta</source>
        <translation>Clé erronée<byte value="xd"/>Veuillez saisir la bonne clé</translation>
    </message>
    <message>
        <source>Los cambios realizados se han guardado correctamente</source>
        <translation>Les modifications ont été enregistrées</translation>
    </message>
</context>
<context>
    <name>velmar::CircuitSearch</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Los datos empresa/instalador/referencia no existen en la base de datos.<byte value="xd"/>
¿Desea darlos de alta?<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Cette société/installateur/référence n&apos;existe pas dans la base de données.<byte value="xd"/>
Voulez-vous la créer ?<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Oui    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Non    </translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Si desea acceder a otros equipos, primero debe cerrar esta conexión</source>
        <translation>Vous êtes connecté à distance à un module<byte value="xd"/>
Pour accéder à d&apos;autres modules, fermez d&apos;abord cette connexion</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave es incorrecta.<byte value="xd"/>
Por favor, entre la clave<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
La clé est incorrecte.<byte value="xd"/>
Veuillez saisir la clé<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No puede haber una referencia sin instalador<byte value="xd"/>
Por favor, entre un instalador o borre la referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Une référence ne peut pas exister sans installateur<byte value="xd"/>
Veuillez saisir un installateur ou effacer la référence<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Clé trop courte. 6 caractères minimum<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
La clé saisie ne correspond pas à celle enregistrée<byte value="xd"/>
Veuillez saisir la bonne clé</translation>
    </message>
    <message>
        <source><byte value="xd"/>
No se ha encontrado ningún equipo para esta empresa/instalador/referencia<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Aucun module trouvé pour cette société/installateur/référence<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Hay un equipo conectado al puerto USB.<byte value="xd"/>
Desconecte el puerto USB antes de conectar por internet</source>
        <translation>Un module est connecté au port USB.<byte value="xd"/>
Déconnectez le port USB avant de vous connecter par Internet</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por ADSL pero sí por GPRS<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de GPRS</source>
        <translation>Ce module n&apos;est pas connecté par Ethernet mais l&apos;est par GPRS<byte value="xd"/>
Pour accéder au module, double-cliquez sur sa case GPRS</translation>
    </message>
    <message>
        <source>Este equipo no está conectado por GPRS pero sí por ADSL<byte value="xd"/>
Si quiere acceder al equipo haga doble click en la casilla de ADSL</source>
        <translation>Ce module n&apos;est pas connecté par GPRS mais l&apos;est par Ethernet<byte value="xd"/>
Pour accéder au module, double-cliquez sur sa case Ethernet</translation>
    </message>
    <message>
        <source>¿Está seguro que quiere eliminar el equipo </source>
        <translation>Voulez-vous vraiment supprimer le module </translation>
    </message>
    <message>
        <source> ?</source>
        <translation> ?</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Annuler </translation>
    </message>
</context>
<context>
    <name>velmar::CloudDirectory</name>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo resolver el nombre de servidor o su dirección<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Erreur de connexion au serveur : <byte value="xd"/>Impossible de résoudre le nom ou l&apos;adresse du serveur<byte value="xd"/>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor</source>
        <translation>Erreur de connexion au serveur</translation>
    </message>
    <message>
        <source>Error de acceso a la base de datos: </source>
        <translation>Erreur d&apos;accès à la base de données : </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>Hay una nueva versión disponible<byte value="xd"/>
</source>
        <translation>Une nouvelle version est disponible<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor: <byte value="xd"/>No se pudo acceder a la base de datos<byte value="xd"/>Compruebe la conexión a internet</source>
        <translation>Erreur de connexion au serveur : <byte value="xd"/>Impossible d&apos;accéder à la base de données<byte value="xd"/>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source>El campo Empresa no puede estar vacío</source>
        <translation>Le champ Société ne peut pas être vide</translation>
    </message>
    <message>
        <source>Compruebe la conexión a internet</source>
        <translation>Vérifiez la connexion Internet</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Clave demasiado corta. Mínimo 6 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Clé trop courte. 6 caractères minimum<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
La clave entrada no coincide con la registrada<byte value="xd"/>
Por favor, introduzca la clave correcta</source>
        <translation><byte value="xd"/>
La clé saisie ne correspond pas à celle enregistrée<byte value="xd"/>
Veuillez saisir la bonne clé</translation>
    </message>
    <message>
        <source>Nombre de empresa, instalador o referencia no válido</source>
        <translation>Nom de société, d&apos;installateur ou de référence non valide</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el histórico</source>
        <translation>Sans connexion Internet, l&apos;historique ne peut pas être lu</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de teléfonos</source>
        <translation>Sans connexion Internet, la liste des téléphones ne peut pas être lue</translation>
    </message>
    <message>
        <source>Sin conexión a internet no se puede leer el listado de usuarios</source>
        <translation>Sans connexion Internet, la liste des utilisateurs ne peut pas être lue</translation>
    </message>
    <message>
        <source>Este email no existe</source>
        <translation>Cette adresse e-mail n&apos;existe pas</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>Erreur : </translation>
    </message>
    <message>
        <source>respuesta del servidor no válida</source>
        <translation>réponse du serveur non valide</translation>
    </message>
    <message>
        <source>Número de teléfono no válido: </source>
        <translation>Numéro de téléphone non valide : </translation>
    </message>
    <message>
        <source>Usuario no válido: </source>
        <translation>Utilisateur non valide : </translation>
    </message>
</context>
<context>
    <name>velmar::CommandChannel</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>No se puede abrir este puerto<byte value="xd"/>
Desconecte el cable y vuelva a conectarlo</source>
        <translation>Impossible d&apos;ouvrir ce port<byte value="xd"/>
Débranchez le câble puis rebranchez-le</translation>
    </message>
</context>
<context>
    <name>velmar::DoorButtons</name>
    <message>
        <source>Abriendo</source>
        <translation>Ouverture en cours</translation>
    </message>
    <message>
        <source>Abierto</source>
        <translation>Ouvert</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Fermeture en cours</translation>
    </message>
    <message>
        <source>Cerrado</source>
        <translation>Fermé</translation>
    </message>
    <message>
        <source>Esperando ...</source>
        <translation>En attente ...</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Utilisateur non autorisé</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Accepter   </translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Ordre d&apos;ouverture</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Ordre de fermeture</translation>
    </message>
</context>
<context>
    <name>velmar::DoorLists</name>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
</context>
<context>
    <name>velmar::EventHistory</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Aucun équipement connecté</translation>
    </message>
</context>
<context>
    <name>velmar::FirmwareUpdate</name>
    <message>
        <source>ACTUALIZACION</source>
        <translation>MISE À JOUR</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Aucun équipement connecté</translation>
    </message>
    <message>
        <source>Los datos recibidos para la actualización son incorrectos</source>
        <translation>Les données reçues pour la mise à jour sont incorrectes</translation>
    </message>
    <message>
        <source>No se ha podido conectar a internet</source>
        <translation>Impossible de se connecter à Internet</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>ERREUR DE MISE À JOUR</translation>
    </message>
    <message>
        <source> No hay una nueva actualización</source>
        <translation> Aucune nouvelle mise à jour</translation>
    </message>
    <message>
        <source>No se ha encontrado ninguna actualización</source>
        <translation>Aucune mise à jour n&apos;a été trouvée</translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor<byte value="xd"/>
</source>
        <translation>Impossible d&apos;établir la communication avec le serveur<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Pas de connexion Internet</translation>
    </message>
    <message>
        <source>Error en la conexión TCP: </source>
        <translation>Erreur de connexion TCP : </translation>
    </message>
    <message>
        <source> CRC no coincideix: </source>
        <translation> CRC différent : </translation>
    </message>
    <message>
        <source>No se ha podido establecer la comunicación con el servidor de actualizaciones<byte value="xd"/>
Compruebe que el puerto del PC esté abierto para recibir datos</source>
        <translation>Impossible d&apos;établir la communication avec le serveur de mises à jour<byte value="xd"/>
Vérifiez que le port du PC est ouvert en réception</translation>
    </message>
    <message>
        <source>Error de conexión con el servidor de actualizaciones: </source>
        <translation>Erreur de connexion au serveur de mises à jour : </translation>
    </message>
    <message>
        <source>La información recibida del servidor de actualizaciones es incorrecta<byte value="xd"/>
Se cierra la conexión</source>
        <translation>Les informations reçues du serveur de mises à jour sont incorrectes<byte value="xd"/>
La connexion est fermée</translation>
    </message>
    <message>
        <source>Se ha perdido la comunicación con el servidor de Actualizaciones</source>
        <translation>La communication avec le serveur de mises à jour a été perdue</translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL VELMAR: ERROR GRAVE</source>
        <translation>MISE À JOUR DU VELMAR : ERREUR GRAVE</translation>
    </message>
    <message>
        <source>Velmar actualizado a la versión </source>
        <translation>Velmar mis à jour vers la version </translation>
    </message>
    <message>
        <source>ACTUALIZACION DEL VELMAR: FALLO DE CRC</source>
        <translation>MISE À JOUR DU VELMAR : ÉCHEC CRC</translation>
    </message>
</context>
<context>
    <name>velmar::Identification</name>
    <message>
        <source>	CONFLICTO DE HARDWARE<byte value="xd"/>
<byte value="xd"/>
Este circuito no puede leerse con este programa<byte value="xd"/>
</source>
        <translation>	CONFLIT MATÉRIEL<byte value="xd"/>
<byte value="xd"/>
Ce circuit ne peut pas être lu avec ce programme<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>velmar::InfoInterpreter</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación con el equipo Velmar</source>
        <translation>La communication avec l&apos;équipement Velmar a été coupée</translation>
    </message>
    <message>
        <source>Conectando con BC600</source>
        <translation>Connexion à la BC600</translation>
    </message>
    <message>
        <source>Conectado a la Central BC600</source>
        <translation>Connecté à la centrale BC600</translation>
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
        <translation>     Oui    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Non    </translation>
    </message>
    <message>
        <source>Se borrarán todos los eventos programados del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Tous les événements programmés dans le circuit seront effacés<byte value="xd"/>
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Se borrarán todas las zonas programadas del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Toutes les zones programmées dans le circuit seront effacées<byte value="xd"/>
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Se borrarán todas las operadoras del circuito<byte value="xd"/>
¿Está seguro?</source>
        <translation>Tous les opérateurs du circuit seront effacés<byte value="xd"/>
Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Borrando el listado de operadoras</source>
        <translation>Effacement de la liste des opérateurs</translation>
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
        <translation> L&apos;état de la sortie va changer </translation>
    </message>
    <message>
        <source> Cambiar </source>
        <translation> Changer </translation>
    </message>
    <message>
        <source> Cancelar </source>
        <translation> Annuler </translation>
    </message>
    <message>
        <source>Salida restaurada: </source>
        <translation>Sortie rétablie : </translation>
    </message>
    <message>
        <source>Salida disparada: </source>
        <translation>Sortie déclenchée : </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código de programación demasiado corto. Mínimo 4 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Code de programmation trop court. 4 caractères minimum<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fermer   </translation>
    </message>
    <message>
        <source><byte value="xd"/>
Comprobando el código de acceso ... <byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Vérification du code d&apos;accès ... <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Accesos</source>
        <translation>Accès</translation>
    </message>
</context>
<context>
    <name>velmar::ProgrammingState</name>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>Central en telecontrol<byte value="xd"/>No se puede acceder a la programación</source>
        <translation>Centrale en télégestion<byte value="xd"/>La programmation n&apos;est pas accessible</translation>
    </message>
</context>
<context>
    <name>velmar::ReadCycle</name>
    <message>
        <source>Leyendo</source>
        <translation>Lecture</translation>
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
Une autre copie de ce programme est déjà en cours d’exécution <byte value="xd"/>
agrandissez-la depuis la barre des tâches de Windows.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>velmar::StatusDisplay</name>
    <message>
        <source>DESACTIVADO</source>
        <translation>DÉSACTIVÉ</translation>
    </message>
    <message>
        <source>Buscando módulo</source>
        <translation>Recherche du module</translation>
    </message>
    <message>
        <source>Buscando SIM</source>
        <translation>Recherche de la SIM</translation>
    </message>
    <message>
        <source>Registrándose</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>CONECTADO A LA RED</source>
        <translation>CONNECTÉ AU RÉSEAU</translation>
    </message>
    <message>
        <source>CONECTADO A INTERNET</source>
        <translation>CONNECTÉ À INTERNET</translation>
    </message>
    <message>
        <source>CONECTADO A RECEPTORA</source>
        <translation>CONNECTÉ AU CTS</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>NON   CONNECTÉ</translation>
    </message>
    <message>
        <source>SIN CONEXIÓN A RECEPTORA</source>
        <translation>NON CONNECTÉ AU CTS</translation>
    </message>
    <message>
        <source>COM: </source>
        <translation>COM : </translation>
    </message>
    <message>
        <source>Central no programada</source>
        <translation>Centrale non programmée</translation>
    </message>
    <message>
        <source>desconectado</source>
        <translation>déconnectée</translation>
    </message>
    <message>
        <source>CONECTADA</source>
        <translation>CONNECTÉE</translation>
    </message>
    <message>
        <source>NO DISPONIBLE</source>
        <translation>NON DISPONIBLE</translation>
    </message>
    <message>
        <source>GPRS: No disponible</source>
        <translation>GPRS : Non disponible</translation>
    </message>
    <message>
        <source>ADSL : No disponible</source>
        <translation>ADSL : Non disponible</translation>
    </message>
</context>
<context>
    <name>velmar::StatusMonitor</name>
    <message>
        <source>Se ha cortado la comunicación con el equipo Velmar</source>
        <translation>La communication avec l&apos;équipement Velmar a été coupée</translation>
    </message>
    <message>
        <source>Se ha cortado la comunicación entre el equipo Velmar y el servidor de actualizaciones</source>
        <translation>La communication entre l&apos;équipement Velmar et le serveur de mises à jour a été coupée</translation>
    </message>
    <message>
        <source>ERROR EN LA ACTUALIZACION</source>
        <translation>ERREUR DE MISE À JOUR</translation>
    </message>
</context>
<context>
    <name>velmar::TelecontrolBridge</name>
    <message>
        <source>«%1» no es un puerto válido</source>
        <translation>« %1 » n&apos;est pas un port valide</translation>
    </message>
    <message>
        <source>«%1» no es una dirección IPv4 válida</source>
        <translation>« %1 » n&apos;est pas une adresse IPv4 valide</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Asegúrese que la IP y el puerto coinciden con los del programa AGE44</source>
        <translation>Vérifiez que l&apos;IP et le port sont ceux du programme AGE44</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fermer   </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>El puerto no puede estar vacío<byte value="xd"/></source>
        <translation>Le port ne peut pas être vide<byte value="xd"/></translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Accepter   </translation>
    </message>
    <message>
        <source>Error al acceder a la IP de la Central : <byte value="xd"/></source>
        <translation>Erreur d&apos;accès à l&apos;IP de la centrale : <byte value="xd"/></translation>
    </message>
</context>
<context>
    <name>velmar::WriteCycle</name>
    <message>
        <source>Programando</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>Se borrarán los valores actuales y se restaurarán los valores de fábrica<byte value="xd"/>
<byte value="xd"/>
¿Está  usted de acuerdo?</source>
        <translation>Les valeurs actuelles seront effacées et les valeurs d&apos;usine restaurées<byte value="xd"/>
<byte value="xd"/>
Êtes-vous d&apos;accord ?</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Oui    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Non    </translation>
    </message>
    <message>
        <source>Restaurando</source>
        <translation>Restauration</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>No se han podido programar los campos marcados en rojo:<byte value="xd"/>
</source>
        <translation>Les champs marqués en rouge n&apos;ont pas pu être programmés :<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>No se han podido restaurar los valores de fábrica</source>
        <translation>Les valeurs d&apos;usine n&apos;ont pas pu être restaurées</translation>
    </message>
</context>
<context>
    <name>velmar::history::EventTexts</name>
    <message>
        <source>Abierta</source>
        <translation>Ouverte</translation>
    </message>
    <message>
        <source>Cerrada</source>
        <translation>Fermée</translation>
    </message>
    <message>
        <source>Orden de abrir</source>
        <translation>Ordre d&apos;ouverture</translation>
    </message>
    <message>
        <source>Orden de cerrar</source>
        <translation>Ordre de fermeture</translation>
    </message>
    <message>
        <source>Abriendo</source>
        <translation>Ouverture en cours</translation>
    </message>
    <message>
        <source>Cerrando</source>
        <translation>Fermeture en cours</translation>
    </message>
    <message>
        <source>Llamada recibida: abriendo puerta</source>
        <translation>Appel reçu : ouverture de la porte</translation>
    </message>
    <message>
        <source>Fuera del horario permitido</source>
        <translation>Hors des horaires autorisés</translation>
    </message>
    <message>
        <source>Número no habilitado</source>
        <translation>Numéro non autorisé</translation>
    </message>
    <message>
        <source>Número no registrado</source>
        <translation>Numéro non enregistré</translation>
    </message>
    <message>
        <source>Orden dada a la Central</source>
        <translation>Ordre envoyé à la centrale</translation>
    </message>
    <message>
        <source>Orden dada a las Salidas</source>
        <translation>Ordre envoyé aux sorties</translation>
    </message>
    <message>
        <source>Usuario fuera del horario permitido</source>
        <translation>Utilisateur hors des horaires autorisés</translation>
    </message>
    <message>
        <source>Usuario no habilitado</source>
        <translation>Utilisateur non autorisé</translation>
    </message>
    <message>
        <source>Usuario demasiado lejos</source>
        <translation>Utilisateur trop éloigné</translation>
    </message>
    <message>
        <source>Posición del usuario desconocida</source>
        <translation>Position de l&apos;utilisateur inconnue</translation>
    </message>
    <message>
        <source>Posición del equipo no registrada</source>
        <translation>Position de l&apos;équipement non enregistrée</translation>
    </message>
    <message>
        <source>Entrada no activada</source>
        <translation>Entrée non activée</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Fecha: </source>
        <translation>Date : </translation>
    </message>
    <message>
        <source>Hora: </source>
        <translation>Heure : </translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Referencia: </source>
        <translation>Référence : </translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Botón</source>
        <translation>Bouton</translation>
    </message>
</context>
<context>
    <name>velmar::history::HistoryExport</name>
    <message>
        <source>No se ha podido crear el libro</source>
        <translation>Impossible de créer le classeur</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccessCodePanel</name>
    <message>
        <source>Código de acceso a la programación:</source>
        <translation>Code d&apos;accès à la programmation :</translation>
    </message>
    <message>
        <source>Entrar</source>
        <translation>Entrer</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccountDataDialog</name>
    <message>
        <source>Acerca de</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail :</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias :</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Installateur :</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Référence :</translation>
    </message>
    <message>
        <source>Protección de datos: la dirección de correo, el alias y la empresa, instalador y referencia de esta cuenta se guardan en la nube del servicio para dar acceso a los equipos de la instalación. Solo se usan para este fin y se borran al darse de baja.</source>
        <translation>Protection des données : l&apos;adresse e-mail, l&apos;alias, la société, l&apos;installateur et la référence de ce compte sont conservés dans le cloud du service pour donner accès aux modules de l&apos;installation. Ils ne servent qu&apos;à cela et sont supprimés à la fermeture du compte.</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Clé :</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Guardar cambios</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Se connecter</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AccountDialog</name>
    <message>
        <source>Ver</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Mantenga pulsado para ver el texto</source>
        <translation>Maintenez appuyé pour voir le texte</translation>
    </message>
    <message>
        <source>Cuenta de usuario</source>
        <translation>Compte utilisateur</translation>
    </message>
    <message>
        <source>Correo electrónico (*)</source>
        <translation>E-mail (*)</translation>
    </message>
    <message>
        <source>Contraseña (*)</source>
        <translation>Mot de passe (*)</translation>
    </message>
    <message>
        <source>Iniciar sesión</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Nuevo usuario</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <source>¿Olvidó la contraseña?</source>
        <translation>Mot de passe oublié ?</translation>
    </message>
    <message>
        <source>Empresa (*)</source>
        <translation>Société (*)</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Clave (*)</source>
        <translation>Clé (*)</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>(*) Campos obligatorios</source>
        <translation>(*) Champs obligatoires</translation>
    </message>
</context>
<context>
    <name>velmar::ui::AguileraC5View</name>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA AE/C5</source>
        <translation>CENTRALE INCENDIE AGUILERA AE/C5</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>CENTRALE EN TÉLÉCOMMANDE</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARME</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>DÉFAUT</translation>
    </message>
    <message>
        <source>SIRENAS</source>
        <translation>SIRÈNES</translation>
    </message>
    <message>
        <source>RETARDO</source>
        <translation>RETARD</translation>
    </message>
    <message>
        <source>DESCONEXION</source>
        <translation>DÉCONNEXION</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>ESSAI</translation>
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
        <translation>Défaut</translation>
    </message>
    <message>
        <source>CONECTAR DESCONECTAR</source>
        <translation>CONNECTER DÉCONNECTER</translation>
    </message>
    <message>
        <source>       PRUEBA AVANCE</source>
        <translation>       ESSAI PAS À PAS</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RÉARMER</translation>
    </message>
    <message>
        <source>DISPARO SIRENAS      </source>
        <translation>DÉCLENCHER SIRÈNES      </translation>
    </message>
    <message>
        <source>SILENCIAR SIRENAS    </source>
        <translation>FAIRE TAIRE SIRÈNES    </translation>
    </message>
</context>
<context>
    <name>velmar::ui::AguileraSaView</name>
    <message>
        <source>CENTRAL DE INCENDIOS AGUILERA AE/SA</source>
        <translation>CENTRALE INCENDIE AGUILERA AE/SA</translation>
    </message>
    <message>
        <source>CENTRAL EN TELECONTROL</source>
        <translation>CENTRALE EN TÉLÉCOMMANDE</translation>
    </message>
    <message>
        <source>ALARMA</source>
        <translation>ALARME</translation>
    </message>
    <message>
        <source>AVERIA</source>
        <translation>DÉFAUT</translation>
    </message>
    <message>
        <source>DESCONEC.</source>
        <translation>DÉCONN.</translation>
    </message>
    <message>
        <source>PRUEBA</source>
        <translation>ESSAI</translation>
    </message>
    <message>
        <source>  PROCESO EN CURSO</source>
        <translation>  TRAITEMENT EN COURS</translation>
    </message>
    <message>
        <source>  Espere un momento, por favor ...</source>
        <translation>  Veuillez patienter un instant ...</translation>
    </message>
    <message>
        <source>SILENCIO</source>
        <translation>SILENCE</translation>
    </message>
    <message>
        <source>REPOSICION</source>
        <translation>RÉTABLIR</translation>
    </message>
    <message>
        <source>REARME</source>
        <translation>RÉARMER</translation>
    </message>
</context>
<context>
    <name>velmar::ui::BridgePanel</name>
    <message>
        <source>IP:</source>
        <translation>IP :</translation>
    </message>
    <message>
        <source>Puerto:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Salir sin cambiar</source>
        <translation>Quitter sans modifier</translation>
    </message>
    <message>
        <source>Conexión AGE44</source>
        <translation>Connexion AGE44</translation>
    </message>
</context>
<context>
    <name>velmar::ui::CircuitSearchPage</name>
    <message>
        <source>Empresa:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Installateur :</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Référence :</translation>
    </message>
    <message>
        <source>BUSCAR</source>
        <translation>RECHERCHER</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Clé :</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Mantenga pulsado para ver la clave</source>
        <translation>Maintenez enfoncé pour voir la clé</translation>
    </message>
    <message>
        <source>ACEPTAR</source>
        <translation>VALIDER</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Doble click para acceder al equipo o eliminarlo</source>
        <translation>Double-cliquez pour accéder au module ou le supprimer</translation>
    </message>
    <message>
        <source>N.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Instalador</source>
        <translation>Installateur</translation>
    </message>
    <message>
        <source>Referencia</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Identificador</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>velmar::ui::DatePicker</name>
    <message>
        <source>es_ES</source>
        <comment>locale of the calendar&apos;s month and day names</comment>
        <translation>fr_FR</translation>
    </message>
</context>
<context>
    <name>velmar::ui::FieldBinder</name>
    <message>
        <source>Esta dirección IP no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Cette adresse IP n&apos;est pas valide<byte value="xd"/>Veuillez saisir une adresse correcte</translation>
    </message>
    <message>
        <source>Esta dirección e-mail no es válida<byte value="xd"/>Por favor, entre una dirección correcta</source>
        <translation>Cette adresse e-mail n&apos;est pas valide<byte value="xd"/>Veuillez saisir une adresse correcte</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Código de programación demasiado corto. Mínimo 4 caracteres<byte value="xd"/>
</source>
        <translation><byte value="xd"/>
Code de programmation trop court. 4 caractères minimum<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fermer   </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Accepter   </translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
</context>
<context>
    <name>velmar::ui::HistoryPage</name>
    <message>
        <source>REGISTRO DE EVENTOS</source>
        <translation>JOURNAL DES ÉVÉNEMENTS</translation>
    </message>
    <message>
        <source>A partir de: </source>
        <translation>À partir du : </translation>
    </message>
    <message>
        <source>Selecciona</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Borrar la fecha</source>
        <translation>Effacer la date</translation>
    </message>
    <message>
        <source>Leer los eventos</source>
        <translation>Lire les événements</translation>
    </message>
    <message>
        <source>Exportar a Excel</source>
        <translation>Exporter vers Excel</translation>
    </message>
    <message>
        <source>Guardar el registro como libro de hoja de cálculo (.xlsx)</source>
        <translation>Enregistrer le journal comme classeur de tableur (.xlsx)</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Guardar el registro como texto separado por comas (.csv)</source>
        <translation>Enregistrer le journal en texte séparé par des virgules (.csv)</translation>
    </message>
</context>
<context>
    <name>velmar::ui::InfoWindow</name>
    <message>
        <source>Parar</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Hexa</source>
        <translation>Hexa</translation>
    </message>
    <message>
        <source>Enviar al Velmar</source>
        <translation>Envoyer au Velmar</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Enregistrer</translation>
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
        <translation>Envoyer au GSM</translation>
    </message>
    <message>
        <source>Guardar la información</source>
        <translation>Enregistrer les informations</translation>
    </message>
    <message>
        <source>Texto (*.txt)</source>
        <translation>Texte (*.txt)</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Erreur d&apos;enregistrement : </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Valider   </translation>
    </message>
    <message>
        <source>Informació port sèrie i TCP</source>
        <translation>Informations port série et TCP</translation>
    </message>
</context>
<context>
    <name>velmar::ui::MainWindow</name>
    <message>
        <source>No se ha podido guardar la configuración</source>
        <translation>Impossible d&apos;enregistrer la configuration</translation>
    </message>
    <message>
        <source>Cerrar sesión</source>
        <translation>Fermer la session</translation>
    </message>
    <message>
        <source>Importar el listado de eventos</source>
        <translation>Importer la liste des événements</translation>
    </message>
    <message>
        <source>Exportar el listado de eventos</source>
        <translation>Exporter la liste des événements</translation>
    </message>
    <message>
        <source>Listado de eventos (*.txt)</source>
        <translation>Liste des événements (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de operadoras</source>
        <translation>Importer la liste des opérateurs</translation>
    </message>
    <message>
        <source>Exportar el listado de operadoras</source>
        <translation>Exporter la liste des opérateurs</translation>
    </message>
    <message>
        <source>Listado de operadoras (*.txt)</source>
        <translation>Liste des opérateurs (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de teléfonos</source>
        <translation>Importer la liste des téléphones</translation>
    </message>
    <message>
        <source>Exportar el listado de teléfonos</source>
        <translation>Exporter la liste des téléphones</translation>
    </message>
    <message>
        <source>Listado de teléfonos (*.txt)</source>
        <translation>Liste des téléphones (*.txt)</translation>
    </message>
    <message>
        <source>Importar el listado de zonas</source>
        <translation>Importer la liste des zones</translation>
    </message>
    <message>
        <source>Exportar el listado de zonas</source>
        <translation>Exporter la liste des zones</translation>
    </message>
    <message>
        <source>Listado de zonas (*.txt)</source>
        <translation>Liste des zones (*.txt)</translation>
    </message>
    <message>
        <source>Fichero error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Este fichero no es correcto</source>
        <translation>Ce fichier n&apos;est pas correct</translation>
    </message>
    <message>
        <source>    Cerrar   </source>
        <translation>    Fermer   </translation>
    </message>
    <message>
        <source>CONFIRMACION</source>
        <translation>CONFIRMATION</translation>
    </message>
    <message>
        <source>     Sí    </source>
        <translation>     Oui    </translation>
    </message>
    <message>
        <source>    No    </source>
        <translation>    Non    </translation>
    </message>
    <message>
        <source>    Aceptar   </source>
        <translation>    Accepter   </translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Error al guardar : </source>
        <translation>Erreur d&apos;enregistrement : </translation>
    </message>
    <message>
        <source>Remoto</source>
        <translation>À distance</translation>
    </message>
    <message>
        <source>Conectar</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Remota</source>
        <translation>À distance</translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Conectando</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Conectando con el circuito</source>
        <translation>Connexion au circuit</translation>
    </message>
    <message>
        <source>SIN   CONEXION</source>
        <translation>NON   CONNECTÉ</translation>
    </message>
    <message>
        <source>&amp;Programación</source>
        <translation>&amp;Programmation</translation>
    </message>
    <message>
        <source>CONECTADO</source>
        <translation>CONNECTÉ</translation>
    </message>
    <message>
        <source> No se puede acceder al puerto :</source>
        <translation> Impossible d&apos;accéder au port :</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quitter</translation>
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
        <translation>Port USB :</translation>
    </message>
    <message>
        <source>Transmisión</source>
        <translation>Émission</translation>
    </message>
    <message>
        <source>Recepción</source>
        <translation>Réception</translation>
    </message>
    <message>
        <source>Prog.</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <source>Programación del equipo</source>
        <translation>Programmation de l&apos;équipement</translation>
    </message>
    <message>
        <source>        Registrado por: </source>
        <translation>        Enregistré par : </translation>
    </message>
    <message>
        <source>        sin internet</source>
        <translation>        sans Internet</translation>
    </message>
    <message>
        <source>Leyendo</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Estado</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Estado del equipo</source>
        <translation>État de l&apos;équipement</translation>
    </message>
    <message>
        <source>Plantilla</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Guardar plantilla</source>
        <translation>Enregistrer le modèle</translation>
    </message>
    <message>
        <source>Importar datos de plantilla</source>
        <translation>Importer les données d&apos;un modèle</translation>
    </message>
    <message>
        <source>¡ ATENCIÓN !</source>
        <translation>ATTENTION !</translation>
    </message>
    <message>
        <source>Si desea guardar una plantilla con todos los campos, pulse [Todo]<byte value="xd"/>
Si desea guardar una plantilla con los campos marcados, pulse [Rojo]</source>
        <translation>Pour enregistrer un modèle avec tous les champs, appuyez sur [Tout]<byte value="xd"/>
Pour enregistrer un modèle avec les champs marqués, appuyez sur [Rouge]</translation>
    </message>
    <message>
        <source>Rojo</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Todo</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Esta plantilla ya existe, ¿desea sobreescribirla?</source>
        <translation>Ce modèle existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>    Plantilla creada correctamente    </source>
        <translation>    Modèle créé avec succès    </translation>
    </message>
    <message>
        <source>Se ha producido un error al cargar la plantilla<byte value="xd"/>
<byte value="xd"/>
ERROR : </source>
        <translation>Une erreur s&apos;est produite lors du chargement du modèle<byte value="xd"/>
<byte value="xd"/>
ERREUR : </translation>
    </message>
    <message>
        <source>el archivo es demasiado grande</source>
        <translation>le fichier est trop volumineux</translation>
    </message>
    <message>
        <source>    Plantilla cargada    </source>
        <translation>    Modèle chargé    </translation>
    </message>
    <message>
        <source>Actual.</source>
        <translation>MàJ</translation>
    </message>
    <message>
        <source>Actualizar el firmware del equipo</source>
        <translation>Mettre à jour le firmware de l&apos;équipement</translation>
    </message>
    <message>
        <source> No hay ningún equipo conectado</source>
        <translation> Aucun équipement connecté</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Está conectado remotamente a un equipo<byte value="xd"/>
Antes de cambiar el idioma debe cerrar esta conexión</source>
        <translation>Vous êtes connecté à distance à un équipement<byte value="xd"/>
Fermez cette connexion avant de changer de langue</translation>
    </message>
    <message>
        <source>VLM - Software de programación Ver. </source>
        <translation>VLM - Logiciel de programmation Ver. </translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Buscar los equipos de la empresa</source>
        <translation>Rechercher les modules de la société</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Los eventos del equipo guardados en la nube</source>
        <translation>Les événements de l&apos;équipement enregistrés dans le cloud</translation>
    </message>
    <message>
        <source>Exportar a Excel</source>
        <translation>Exporter vers Excel</translation>
    </message>
    <message>
        <source>Exportar CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>Libro de hoja de cálculo (*.xlsx)</source>
        <translation>Classeur de tableur (*.xlsx)</translation>
    </message>
    <message>
        <source>Texto CSV (*.csv)</source>
        <translation>Texte CSV (*.csv)</translation>
    </message>
    <message>
        <source>El registro se ha guardado en</source>
        <translation>Le journal a été enregistré dans</translation>
    </message>
    <message>
        <source>¿Desea abrirlo?</source>
        <translation>Voulez-vous l&apos;ouvrir ?</translation>
    </message>
    <message>
        <source>No hay ningún programa para abrir este fichero</source>
        <translation>Aucun programme ne peut ouvrir ce fichier</translation>
    </message>
    <message>
        <source>Bidi</source>
        <translation>Bidi</translation>
    </message>
    <message>
        <source>No hay conexión a internet</source>
        <translation>Pas de connexion Internet</translation>
    </message>
</context>
<context>
    <name>velmar::ui::PanelPage</name>
    <message>
        <source>Comunicación con la central</source>
        <translation>Communication avec la centrale</translation>
    </message>
    <message>
        <source>Velocidad, paridad:</source>
        <translation>Débit, parité :</translation>
    </message>
    <message>
        <source>Dirección del equipo en el bus de la central (hexadecimal)</source>
        <translation>Adresse de l&apos;équipement sur le bus de la centrale (hexadécimal)</translation>
    </message>
    <message>
        <source>Dirección:</source>
        <translation>Adresse :</translation>
    </message>
    <message>
        <source>Listado de zonas</source>
        <translation>Liste des zones</translation>
    </message>
    <message>
        <source>Listado de eventos</source>
        <translation>Liste des événements</translation>
    </message>
    <message>
        <source>Nombre del fichero del listado de zonas</source>
        <translation>Nom du fichier de la liste des zones</translation>
    </message>
    <message>
        <source>Nombre del fichero del listado de eventos</source>
        <translation>Nom du fichier de la liste des événements</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Envío a la App de los códigos CID:</source>
        <translation>Envoi des codes CID à l&apos;App :</translation>
    </message>
    <message>
        <source>CONTROL DE ACCESOS</source>
        <translation>CONTRÔLE D&apos;ACCÈS</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>T. apertura</source>
        <translation>T. ouverture</translation>
    </message>
    <message>
        <source>T. abierta</source>
        <translation>T. ouvert</translation>
    </message>
    <message>
        <source>T. cierre</source>
        <translation>T. fermeture</translation>
    </message>
    <message>
        <source>Botón %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>Botones</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Salidas de cada botón</source>
        <translation>Sorties de chaque bouton</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Eliminar</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cargar tel.</source>
        <translation>Charger tél.</translation>
    </message>
    <message>
        <source>Cargar usuario</source>
        <translation>Charger utilisateurs</translation>
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
        <translation>Dérangement</translation>
    </message>
    <message>
        <source>Anulado</source>
        <translation>Hors service</translation>
    </message>
    <message>
        <source>Prueba</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>Prealarma</source>
        <translation>Préalarme</translation>
    </message>
    <message>
        <source>Alarma técnica</source>
        <translation>Alarme technique</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Mensajes</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>CENTRAL DE INCENDIOS </source>
        <translation>CENTRALE INCENDIE </translation>
    </message>
</context>
<context>
    <name>velmar::ui::ParameterHints</name>
    <message>
        <source>Parámetro : </source>
        <translation>Paramètre : </translation>
    </message>
    <message>
        <source>Parámetro : a partir de </source>
        <translation>Paramètres à partir de </translation>
    </message>
</context>
<context>
    <name>velmar::ui::ProgrammingView</name>
    <message>
        <source>Accesos</source>
        <translation>Accès</translation>
    </message>
    <message>
        <source>ERROR / RESTAURACIÓN</source>
        <translation>DÉFAUT / RÉTABLISSEMENT</translation>
    </message>
    <message>
        <source>Modo pulsante</source>
        <translation>Mode impulsionnel</translation>
    </message>
    <message>
        <source>Configuración</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Avisos y CRA</source>
        <translation>Alertes et CTS</translation>
    </message>
    <message>
        <source>Usuario</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Leer el circuito</source>
        <translation>Lire le circuit</translation>
    </message>
    <message>
        <source>Programar el circuito</source>
        <translation>Programmer le circuit</translation>
    </message>
    <message>
        <source>Restaurar los valores de fábrica</source>
        <translation>Restaurer les valeurs d&apos;usine</translation>
    </message>
    <message>
        <source>Leer</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Lee del equipo los valores de la página mostrada</source>
        <translation>Lit dans l&apos;équipement les valeurs de la page affichée</translation>
    </message>
    <message>
        <source>Programar página</source>
        <translation>Programmer la page</translation>
    </message>
    <message>
        <source>Programa en el equipo los campos modificados de la página mostrada</source>
        <translation>Programme dans l&apos;équipement les champs modifiés de la page affichée</translation>
    </message>
    <message>
        <source>Programar</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Programa en el equipo todos los campos modificados</source>
        <translation>Programme dans l&apos;équipement tous les champs modifiés</translation>
    </message>
    <message>
        <source>Identificación</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Modelo de la central conectada al equipo</source>
        <translation>Modèle de la centrale raccordée à l&apos;équipement</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <source>Instalador:</source>
        <translation>Installateur :</translation>
    </message>
    <message>
        <source>Referencia:</source>
        <translation>Référence :</translation>
    </message>
    <message>
        <source>Teléfono del equipo:</source>
        <translation>Téléphone de l&apos;équipement :</translation>
    </message>
    <message>
        <source>Password SMS:</source>
        <translation>Mot de passe SMS :</translation>
    </message>
    <message>
        <source>PIN de la SIM:</source>
        <translation>PIN de la SIM :</translation>
    </message>
    <message>
        <source>Código de programación:</source>
        <translation>Code de programmation :</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>FRANJA HORARIA</source>
        <translation>FUSEAU HORAIRE</translation>
    </message>
    <message>
        <source>Red Ethernet (ADSL)</source>
        <translation>Réseau Ethernet (ADSL)</translation>
    </message>
    <message>
        <source>Dirección por DHCP</source>
        <translation>Adresse par DHCP</translation>
    </message>
    <message>
        <source>Dirección MAC del equipo</source>
        <translation>Adresse MAC de l&apos;équipement</translation>
    </message>
    <message>
        <source>Dirección IP:</source>
        <translation>Adresse IP :</translation>
    </message>
    <message>
        <source>Máscara de subred:</source>
        <translation>Masque de sous-réseau :</translation>
    </message>
    <message>
        <source>Puerta de enlace:</source>
        <translation>Passerelle :</translation>
    </message>
    <message>
        <source>DNS primario:</source>
        <translation>DNS primaire :</translation>
    </message>
    <message>
        <source>DNS secundario:</source>
        <translation>DNS secondaire :</translation>
    </message>
    <message>
        <source>MAC:</source>
        <translation>MAC :</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Partes activas</source>
        <translation>Parties actives</translation>
    </message>
    <message>
        <source>Operadoras GPRS</source>
        <translation>Opérateurs GPRS</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Borra todas las operadoras del equipo</source>
        <translation>Efface tous les opérateurs de l&apos;équipement</translation>
    </message>
    <message>
        <source>Servidor de correo (SMTP)</source>
        <translation>Serveur de messagerie (SMTP)</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Muestra u oculta la contraseña</source>
        <translation>Affiche ou masque le mot de passe</translation>
    </message>
    <message>
        <source>Servidor SMTP:</source>
        <translation>Serveur SMTP :</translation>
    </message>
    <message>
        <source>Puerto:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Usuario:</source>
        <translation>Utilisateur :</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Mot de passe :</translation>
    </message>
    <message>
        <source>Remitente:</source>
        <translation>Expéditeur :</translation>
    </message>
    <message>
        <source>Asunto:</source>
        <translation>Objet :</translation>
    </message>
    <message>
        <source>Avisos por SMS</source>
        <translation>Alertes par SMS</translation>
    </message>
    <message>
        <source>Avisos por e-mail</source>
        <translation>Alertes par e-mail</translation>
    </message>
    <message>
        <source>Varios teléfonos separados por &quot;;&quot;</source>
        <translation>Plusieurs téléphones séparés par « ; »</translation>
    </message>
    <message>
        <source>Teléfonos %1:</source>
        <translation>Téléphones %1 :</translation>
    </message>
    <message>
        <source>Varias direcciones separadas por &quot;;&quot;</source>
        <translation>Plusieurs adresses séparées par « ; »</translation>
    </message>
    <message>
        <source>E-mail %1:</source>
        <translation>E-mail %1 :</translation>
    </message>
    <message>
        <source>Central receptora de alarmas (CRA)</source>
        <translation>Centre de télésurveillance (CTS)</translation>
    </message>
    <message>
        <source>Dirección IP</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Puerto</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Abonado</source>
        <translation>Abonné</translation>
    </message>
    <message>
        <source>CRA %1.%2:</source>
        <translation>CTS %1.%2 :</translation>
    </message>
    <message>
        <source>Códigos Contact ID en hexadecimal</source>
        <translation>Codes Contact ID en hexadécimal</translation>
    </message>
    <message>
        <source>Polling (minutos):</source>
        <translation>Polling (minutes) :</translation>
    </message>
    <message>
        <source>Envío a la App:</source>
        <translation>Envoi à l&apos;App :</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRÉES</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SORTIES</translation>
    </message>
    <message>
        <source>SISTEMA</source>
        <translation>SYSTÈME</translation>
    </message>
    <message>
        <source>Entradas</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Avisos de las entradas</source>
        <translation>Alertes des entrées</translation>
    </message>
    <message>
        <source>Salidas</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Avisos de las salidas</source>
        <translation>Alertes des sorties</translation>
    </message>
    <message>
        <source>Activación por el sistema</source>
        <translation>Activation par le système</translation>
    </message>
    <message>
        <source>Activación por entradas</source>
        <translation>Activation par les entrées</translation>
    </message>
    <message>
        <source>Inicio del sistema</source>
        <translation>Démarrage du système</translation>
    </message>
    <message>
        <source>Test periódico</source>
        <translation>Test périodique</translation>
    </message>
    <message>
        <source>Tamper</source>
        <translation>Autoprot.</translation>
    </message>
    <message>
        <source>Alimentación</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Pérdidas de comunicación</source>
        <translation>Pertes de communication</translation>
    </message>
</context>
<context>
    <name>velmar::ui::StatusPage</name>
    <message>
        <source>ESTADO GENERAL</source>
        <translation>ÉTAT GÉNÉRAL</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reinicia el equipo</source>
        <translation>Redémarre l&apos;équipement</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>El equipo envía un informe de test</source>
        <translation>L&apos;équipement envoie un rapport de test</translation>
    </message>
    <message>
        <source>Envío a la CRA</source>
        <translation>Transmission au CTS</translation>
    </message>
    <message>
        <source>El equipo envía un test a la central receptora</source>
        <translation>L&apos;équipement envoie un test au centre de télésurveillance</translation>
    </message>
    <message>
        <source>ENTRADAS</source>
        <translation>ENTRÉES</translation>
    </message>
    <message>
        <source>SALIDAS</source>
        <translation>SORTIES</translation>
    </message>
    <message>
        <source>TAMPER</source>
        <translation>AUTOPROT.</translation>
    </message>
    <message>
        <source>ALIMENTACIÓN</source>
        <translation>ALIMENTATION</translation>
    </message>
    <message>
        <source>EVENTOS</source>
        <translation>ÉVÉNEMENTS</translation>
    </message>
    <message>
        <source>Filtrados</source>
        <translation>Filtrés</translation>
    </message>
    <message>
        <source>Todos los eventos o solo los del instalador</source>
        <translation>Tous les événements ou seulement ceux de l&apos;installateur</translation>
    </message>
    <message>
        <source>Todos</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Parar/Continuar</source>
        <translation>Arrêter/Continuer</translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>velmar::ui::UpdatePage</name>
    <message>
        <source>FirmWare:</source>
        <translation>Firmware :</translation>
    </message>
    <message>
        <source>HardWare:</source>
        <translation>Hardware :</translation>
    </message>
    <message>
        <source>Buscar nuevas versiones a actualizar</source>
        <translation>Rechercher de nouvelles versions</translation>
    </message>
    <message>
        <source>Ver</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Desconectar</source>
        <translation>Déconnecter</translation>
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
        <translation>OCTETS</translation>
    </message>
    <message>
        <source>DESCARGAR</source>
        <translation>TÉLÉCHARGER</translation>
    </message>
</context>
</TS>

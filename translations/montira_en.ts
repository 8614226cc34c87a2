<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
    <context>
        <name>montira</name>
        <message>
            <source>A porta %1 não existe.</source>
            <translation>Port %1 does not exist.</translation>
        </message>
        <message>
            <source>A porta %1 está em uso por outro programa.</source>
            <translation>Port %1 is in use by another program.</translation>
        </message>
        <message>
            <source>Sem permissão para abrir %1: o usuário deve pertencer ao grupo dialout (sudo usermod -aG dialout $USER).</source>
            <translation>No permission to open %1: the user must belong to the dialout group (sudo usermod -aG dialout $USER).</translation>
        </message>
        <message>
            <source>Sem permissão para abrir %1.</source>
            <translation>No permission to open %1.</translation>
        </message>
        <message>
            <source>Não foi possível abrir %1.</source>
            <translation>Could not open %1.</translation>
        </message>
        <message>
            <source>A porta %1 agora pertence a outro dispositivo.</source>
            <translation>Port %1 now belongs to another device.</translation>
        </message>
    </context>
</TS>

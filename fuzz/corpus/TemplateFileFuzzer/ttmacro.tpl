; templates
[MACRO_TEMPLATE Telnet login]
connect 'host:23 /nossh'
wait 'login:'
[MACRO_TEMPLATE SEPARATOR]
ignored
  [macro_template Serial]
connect '/C=1'[MACRO_TEMPLATE Empty]
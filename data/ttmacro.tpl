; Macro templates of Skelder, offered in the "Import macro Template" submenu of the
; File menu. Each template begins with a line [MACRO_TEMPLATE name]; the lines below it,
; up to the next such line, are inserted into the macro editor. A template named
; SEPARATOR puts a separator line into the menu. Lines above the first template, like
; these, are not part of any template.
;
; Replace host.example.com, the prompts and the file names with your own. The words
; between dollar signs are replaced when the macro runs: $user$ by your Windows user
; name in lower case, $CONNECTION$ by the connection's name, $LOGFILENAME$ by a log
; file in the Logs folder named after the connection and the time, $PHONE$ by the
; phone number of the User Data page.
[MACRO_TEMPLATE Telnet login]
; Telnet login; the password is kept encrypted in password.dat after the first run
connect 'host.example.com:23 /nossh'
setsync 1
settitle '$CONNECTION$'
timeout = 30
getpassword 'password.dat' 'host.example.com' password
wait 'login:'
sendln '$user$'
wait 'Password:'
sendln password
wait '$ ' '# ' '> '
[MACRO_TEMPLATE SSH login with password]
; SSH login with a password typed in when the macro runs
passwordbox 'Password of $user$ on host.example.com:' 'SSH login'
strlen inputstr
if result = 0 end
command = 'host.example.com:22 /ssh /2 /auth=password /user=$user$ /passwd='
strconcat command inputstr
connect command
setsync 1
settitle '$CONNECTION$'
timeout = 30
wait '$ ' '# '
[MACRO_TEMPLATE SSH login with key]
; SSH login with a private key file instead of a password
connect 'host.example.com:22 /ssh /2 /auth=publickey /user=$user$ /keyfile=C:\keys\id_ed25519'
setsync 1
settitle '$CONNECTION$'
timeout = 30
wait '$ ' '# '
[MACRO_TEMPLATE Serial connection]
; Serial line on COM1 at 9600 baud; Enter wakes up the console
connect '/C=1'
setbaud 9600
setsync 1
settitle '$CONNECTION$ on COM1'
timeout = 10
sendln ''
wait 'login:' 'Username:' '>'
[MACRO_TEMPLATE Dial-up with retries]
; Dial the number of the User Data page by modem on COM1, up to three times
connect '/C=1'
setsync 1
timeout = 5
sendln 'ATZ'
wait 'OK'
if result = 0 goto nomodem
tries = 0
:dial
tries = tries + 1
sendln 'ATDT$PHONE$'
timeout = 60
wait 'CONNECT' 'BUSY' 'NO CARRIER' 'NO DIALTONE'
if result = 1 goto connected
if tries >= 3 goto failed
pause 10
goto dial
:nomodem
messagebox 'The modem does not answer.' 'Dial-up'
end
:failed
messagebox 'No connection after three attempts.' 'Dial-up'
end
:connected
[MACRO_TEMPLATE SEPARATOR]
[MACRO_TEMPLATE Wait for the prompt]
; Wait for the prompt: up to five tries of ten seconds, Enter before each
tries = 0
timeout = 10
do
  sendln ''
  wait '$ ' '# ' '> '
  if result > 0 break
  tries = tries + 1
loop while tries < 5
if result = 0 then
  messagebox 'No prompt after five tries.' '$CONNECTION$'
  end
endif
[MACRO_TEMPLATE Run a list of commands]
; Send each command and wait for the prompt before the next one
strdim commands 3
commands[0] = 'uname -a'
commands[1] = 'uptime'
commands[2] = 'df -h'
timeout = 30
for i 0 2
  sendln commands[i]
  wait '$ ' '# '
next
[MACRO_TEMPLATE SEPARATOR]
[MACRO_TEMPLATE Start logging]
; Log the session as text into the Logs folder, in a new file named after the connection
logopen '$LOGFILENAME$' 0 0
logwrite 'Session of $user$ on $CONNECTION$'#13#10
[MACRO_TEMPLATE Stop logging]
; Close the log file
logclose
[MACRO_TEMPLATE Send a file with ZMODEM]
; Choose a file and send it to the host, which receives it with rz
filenamebox 'File to send' 0
if result = 0 end
sendln 'rz'
pause 1
zmodemsend inputstr 1
timeout = 30
wait '$ ' '# '
[MACRO_TEMPLATE Fetch a file with SCP]
; Copy a file from the host over the SSH connection into the Tera Term folder
scprecv '/home/$user$/report.txt' '$ttdir$report.txt'
[MACRO_TEMPLATE SEPARATOR]
[MACRO_TEMPLATE Choose the host from a list]
; Offer a list of hosts and open a telnet connection to the one chosen
strdim hosts 3
hosts[0] = 'router1.example.com'
hosts[1] = 'router2.example.com'
hosts[2] = 'switch1.example.com'
listbox 'Connect to which host?' 'Hosts' hosts
if result < 0 end
host = hosts[result]
strconcat host ':23 /nossh'
connect host
[MACRO_TEMPLATE Yes or no question]
; Ask before doing something that cannot be undone
yesnobox 'Restart the device now?' '$CONNECTION$'
if result = 1 then
  sendln 'reload'
else
  messagebox 'Nothing was restarted.' '$CONNECTION$'
endif
[MACRO_TEMPLATE Ask for a password]
; Ask for a password when the macro runs and send it at the prompt; it is kept nowhere
passwordbox 'Password for $CONNECTION$:' 'Password'
wait 'Password:'
sendln inputstr
[MACRO_TEMPLATE Ask for a value]
; Ask for a value when the macro runs and send it as part of a command
inputbox 'Interface to show:' 'Show interface' 'eth0'
command = 'ip address show '
strconcat command inputstr
sendln command
[MACRO_TEMPLATE SEPARATOR]
[MACRO_TEMPLATE Log out and close]
; Log out and close the Tera Term window
sendln 'exit'
pause 1
closett
[MACRO_TEMPLATE Disconnect]
; End the connection without asking and leave the Tera Term window open
disconnect 0

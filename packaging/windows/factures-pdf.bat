@echo off
rem Starts the dialogue of facturation with --pdf --csv: each day invoiced is also written as
rem "facture <date>.pdf", one invoice per page, ready to print, and as "facture <date>.csv",
rem the journal for the accountant. Works in the folder of this file, where the program and
rem the sales files are.
cd /d "%~dp0"
facturation.exe --pdf --csv

@echo off
rem Starts the dialogue of facturation with --pdf: each day invoiced is also written as
rem "facture <date>.pdf", one invoice per page, ready to print. Works in the folder of this
rem file, where the program and the sales files are.
cd /d "%~dp0"
facturation.exe --pdf

@echo off
rem Builds the four programs and runs them on the bundled sample league: each program
rem works in a fresh copy of examples\league (build\demo-league) and reads its answers
rem from examples\demo\ (League takes the season cup2026), so nothing waits for a key. Lists the pages written at the end,
rem and waits for a key then only when it was double-clicked, so that its window stays
rem open to be read.
rem
rem   scripts\demo.bat            builds with CMake (Visual Studio or any generator); in
rem                              the unpacked release zip, uses the programs at its top
rem   scripts\demo.bat FOLDER     uses Quorrin.exe, Omblen.exe, Duvessa.exe and League.exe from FOLDER
setlocal
call :wasDoubleClicked "%~f0"
cd /d "%~dp0.."
set "ROOT=%CD%"

if "%~1"=="" if exist "%ROOT%\Quorrin.exe" (
  set "QUORRIN=%ROOT%\Quorrin.exe"
  set "OMBLEN=%ROOT%\Omblen.exe"
  set "DUVESSA=%ROOT%\Duvessa.exe"
  set "STANDINGS=%ROOT%\League.exe"
  goto :run
)
if not "%~1"=="" (
  set "QUORRIN=%~f1\Quorrin.exe"
  set "OMBLEN=%~f1\Omblen.exe"
  set "DUVESSA=%~f1\Duvessa.exe"
  set "STANDINGS=%~f1\League.exe"
  goto :run
)

set "BUILD=%ROOT%\build\demo-windows"
cmake -S "%ROOT%" -B "%BUILD%" -DLEAGUE_TOOLS_BUILD_TESTS=OFF
if errorlevel 1 goto :failed
cmake --build "%BUILD%" --config Release --target Quorrin Omblen Duvessa League
if errorlevel 1 goto :failed
rem Multi-configuration generators (Visual Studio) put the programs below Release\.
call :locate QUORRIN quorrin Quorrin
call :locate OMBLEN omblen Omblen
call :locate DUVESSA duvessa Duvessa
call :locate STANDINGS league League

:run
for %%p in ("%QUORRIN%" "%OMBLEN%" "%DUVESSA%" "%STANDINGS%") do (
  if not exist %%p (
    echo Program not found: %%~p
    goto :failed
  )
)
set "LEAGUE=%ROOT%\build\demo-league"
if exist "%LEAGUE%" rmdir /s /q "%LEAGUE%"
xcopy /e /i /q /y "%ROOT%\examples\league" "%LEAGUE%" >nul
if errorlevel 1 goto :failed

pushd "%LEAGUE%"
call :program Quorrin "%QUORRIN%" quorrin_answers.txt --charts
call :program Omblen "%OMBLEN%" omblen_answers.txt
call :program Duvessa "%DUVESSA%" duvessa_answers.txt
echo.
echo == League cup2026
"%STANDINGS%" cup2026 < NUL
echo.
echo == League ended with exit status %ERRORLEVEL%
echo.
echo Pages written in build\demo-league (open the .html files in a browser):
for %%f in (*.html *.txt) do echo   build\demo-league\%%f
for %%f in (cup2026\*) do echo   build\demo-league\cup2026\%%~nxf
popd
if defined DOUBLE_CLICKED pause
exit /b 0

rem Runs one program in the league folder with its scripted answers. Omblen and Duvessa
rem end with status 1 even after a complete run, so the status is shown, not checked,
rem and a 1 of theirs is said to be normal.
:program
echo.
echo == %~1 %~4
"%~2" %~4 < "%ROOT%\examples\demo\%~3"
set "STATUS=%ERRORLEVEL%"
set "NOTE="
if "%STATUS%"=="1" for %%n in (Omblen Duvessa) do if /i "%~1"=="%%n" set "NOTE= (normal: Omblen and Duvessa always end with 1)"
echo.
echo == %~1 ended with exit status %STATUS%%NOTE%
exit /b 0

rem Sets DOUBLE_CLICKED when this file (its full path the argument) was double-clicked.
rem Explorer starts a double-clicked batch file in a console window of its own, which
rem closes as soon as the file ends, with the command line (%%cmdcmdline%%)
rem     C:\Windows\system32\cmd.exe /c ""<the file's full path>" "
rem A file typed in a console runs in that console's command interpreter, whose command
rem line has no /c and no path of this file; a script that starts it with cmd /c names
rem it as it likes, not in Explorer's doubled quotes; CI sets CI. So the check is that
rem the command line ends in exactly Explorer's words, and that CI is not set.
rem The line is compared without its quotes once Explorer's words (quotes and all) are
rem taken out of it, since the command interpreter cannot compare quoted texts that
rem hold quotes; a folder name with & or ( ) stays inside the quotes of each set.
:wasDoubleClicked
set "DOUBLE_CLICKED="
if defined CI exit /b 0
set "COMMAND_LINE=%cmdcmdline%"
if not defined COMMAND_LINE exit /b 0
set "EXPLORER_WORDS=/c ""%~1" ""
call set "BEFORE_WORDS=%%COMMAND_LINE:%EXPLORER_WORDS%=%%"
set "COMMAND_LINE=%COMMAND_LINE:"=%"
set "BEFORE_WORDS=%BEFORE_WORDS:"=%"
set "EXPLORER_WORDS=%EXPLORER_WORDS:"=%"
if /i "%BEFORE_WORDS%%EXPLORER_WORDS%"=="%COMMAND_LINE%" set "DOUBLE_CLICKED=1"
exit /b 0

:locate
if exist "%BUILD%\src\%~2\Release\%~3.exe" (
  set "%~1=%BUILD%\src\%~2\Release\%~3.exe"
) else (
  set "%~1=%BUILD%\src\%~2\%~3.exe"
)
exit /b 0

:failed
echo The demo could not be run.
popd 2>nul
if defined DOUBLE_CLICKED pause
exit /b 1

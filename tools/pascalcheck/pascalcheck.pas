{ Compiles the [Code] part of a setup script, read from standard input, with the Pascal
  Script compiler the way the installer does (no main block needed), after declaring the
  installer's script API from the data files of the given folder. Prints every message as
  "<line>:<column>: <kind>: <text>"; exits 1 when the code does not compile and 2 when the
  data files or the arguments are unusable. }
program pascalcheck;

{$mode delphi}{$H+}

uses
  SysUtils, Classes, uPSCompiler, uPSUtils, uPSC_dll;

type
  EDataError = class(Exception);

  TClassEntry = class
    Name, Parent: string;
    Members: TStringList;
    constructor Create(const AName, AParent: string);
    destructor Destroy; override;
  end;

var
  DataDir: string;
  ClassEntries: TStringList;   { class name -> TClassEntry, in declaration order }
  EventDecls: TStringList;     { upper-cased event name -> expected MakeDecl text }
  EventTexts: TStringList;     { upper-cased event name -> the prototype as written }
  RegistrationProblems: TStringList;
  DefaultProperties: TStringList; { "Class.Property" }

constructor TClassEntry.Create(const AName, AParent: string);
begin
  Name := AName;
  Parent := AParent;
  Members := TStringList.Create;
end;

destructor TClassEntry.Destroy;
begin
  Members.Free;
  inherited;
end;

function ReadLines(const FileName: string): TStringList;
begin
  Result := TStringList.Create;
  try
    Result.LoadFromFile(IncludeTrailingPathDelimiter(DataDir) + FileName);
  except
    on E: Exception do
    begin
      Result.Free;
      raise EDataError.Create('cannot read ' + FileName + ': ' + E.Message);
    end;
  end;
end;

{ The lines that carry data: trimmed, without blank and "#" comment lines;
  each line's number in the file is kept as its object. }
function ReadDataLines(const FileName: string): TStringList;
var
  Lines: TStringList;
  Line: string;
  I: Integer;
begin
  Lines := ReadLines(FileName);
  try
    Result := TStringList.Create;
    for I := 0 to Lines.Count - 1 do
    begin
      Line := Trim(Lines[I]);
      if (Line <> '') and (Line[1] <> '#') then
        Result.AddObject(Line, TObject(PtrInt(I + 1)));
    end;
  finally
    Lines.Free;
  end;
end;

function LineNumber(Lines: TStringList; I: Integer): Integer;
begin
  Result := Integer(PtrInt(Lines.Objects[I]));
end;

function WithoutSemicolon(const S: string): string;
begin
  Result := Trim(S);
  while (Result <> '') and (Result[Length(Result)] = ';') do
    Result := Trim(Copy(Result, 1, Length(Result) - 1));
end;

function StartsWith(const S, Prefix: string): Boolean;
begin
  Result := Copy(S, 1, Length(Prefix)) = Prefix;
end;

{ The member's name: the word after the kind keyword, up to "(", "[", ":" or ";". }
function MemberName(const Decl: string): string;
var
  S: string;
  I: Integer;
begin
  S := Trim(Decl);
  I := Pos(' ', S);
  if I > 0 then
    S := TrimLeft(Copy(S, I + 1, MaxInt));
  I := 1;
  while (I <= Length(S)) and not (S[I] in ['(', '[', ':', ';', ' ']) do
    Inc(I);
  Result := Copy(S, 1, I - 1);
end;

function IsMemberKind(const S: string): Boolean;
begin
  Result := StartsWith(S, 'constructor ') or StartsWith(S, 'procedure ') or
    StartsWith(S, 'function ') or StartsWith(S, 'property ');
end;

function ParseClassHeader(const Line: string; out Name, Parent: string): Boolean;
var
  S: string;
  Open: Integer;
begin
  Result := StartsWith(Line, 'class ');
  if not Result then
    Exit;
  S := Trim(Copy(Line, 7, MaxInt));
  Open := Pos('(', S);
  if Open > 0 then
  begin
    Name := Trim(Copy(S, 1, Open - 1));
    Parent := Trim(Copy(S, Open + 1, Pos(')', S) - Open - 1));
  end
  else
  begin
    Name := S;
    Parent := '';
  end;
end;

function FindClassEntry(const Name: string): TClassEntry;
var
  I: Integer;
begin
  I := ClassEntries.IndexOf(Name);
  if I < 0 then
    Result := nil
  else
    Result := TClassEntry(ClassEntries.Objects[I]);
end;

procedure ReadClassFile(const FileName: string);
var
  Lines: TStringList;
  Line, Name, Parent: string;
  Current: TClassEntry;
  I: Integer;
begin
  Lines := ReadDataLines(FileName);
  try
    Current := nil;
    for I := 0 to Lines.Count - 1 do
    begin
      Line := Lines[I];
      { the reference writes one property as "property: Name: Type" }
      if StartsWith(Line, 'property:') then
        Line := 'property ' + TrimLeft(Copy(Line, 10, MaxInt));
      if ParseClassHeader(Line, Name, Parent) then
      begin
        Current := TClassEntry.Create(Name, Parent);
        ClassEntries.AddObject(Name, Current);
      end
      else if (Current <> nil) and IsMemberKind(Line) then
        Current.Members.Add(Line)
      else
        raise EDataError.CreateFmt('%s:%d: unexpected line "%s"', [FileName, LineNumber(Lines, I), Line]);
    end;
  finally
    Lines.Free;
  end;
end;

function IndexOfMember(Entry: TClassEntry; const Name: string): Integer;
begin
  for Result := 0 to Entry.Members.Count - 1 do
    if SameText(MemberName(Entry.Members[Result]), Name) then
      Exit;
  Result := -1;
end;

{ Applies the notes on where the installer's compiler registers a class differently. }
procedure ApplyCompilerCorrections(const FileName: string);
var
  Lines: TStringList;
  Line, Name, Parent, Body: string;
  Current: TClassEntry;
  I, Member: Integer;
begin
  Lines := ReadDataLines(FileName);
  try
    Current := nil;
    for I := 0 to Lines.Count - 1 do
    begin
      Line := Lines[I];
      if StartsWith(Line, 'drop class ') then
      begin
        Name := Trim(Copy(Line, 12, MaxInt));
        Member := ClassEntries.IndexOf(Name);
        if Member >= 0 then
        begin
          ClassEntries.Objects[Member].Free;
          ClassEntries.Delete(Member);
        end;
        Current := nil;
        Continue;
      end;
      if ParseClassHeader(Line, Name, Parent) then
      begin
        Current := FindClassEntry(Name);
        if Current = nil then
          raise EDataError.CreateFmt('%s:%d: unknown class %s', [FileName, LineNumber(Lines, I), Name]);
        Continue;
      end;
      if (Current = nil) or (Length(Line) < 2) then
        raise EDataError.CreateFmt('%s:%d: unexpected line "%s"', [FileName, LineNumber(Lines, I), Line]);
      Body := Trim(Copy(Line, 2, MaxInt));
      case Line[1] of
        '+': Current.Members.Add(Body);
        '-', '~':
          begin
            if Line[1] = '-' then
              Member := IndexOfMember(Current, Body)
            else
              Member := IndexOfMember(Current, MemberName(Body));
            if Member < 0 then
              raise EDataError.CreateFmt('%s:%d: %s has no member "%s"', [FileName, LineNumber(Lines, I), Current.Name, Body]);
            if Line[1] = '-' then
              Current.Members.Delete(Member)
            else
              Current.Members[Member] := Body;
          end;
      else
        raise EDataError.CreateFmt('%s:%d: unexpected line "%s"', [FileName, LineNumber(Lines, I), Line]);
      end;
    end;
  finally
    Lines.Free;
  end;
end;

procedure Problem(const Text: string);
begin
  RegistrationProblems.Add(Text);
end;

procedure DeclareClasses(Compiler: TPSPascalCompiler);
var
  I: Integer;
  Entry: TClassEntry;
  Parent: TPSCompileTimeClass;
begin
  for I := 0 to ClassEntries.Count - 1 do
  begin
    Entry := TClassEntry(ClassEntries.Objects[I]);
    Parent := nil;
    if Entry.Parent <> '' then
    begin
      Parent := Compiler.FindClass(Entry.Parent);
      if Parent = nil then
        raise EDataError.CreateFmt('class %s names the undeclared parent %s', [Entry.Name, Entry.Parent]);
    end;
    Compiler.AddClassN(Parent, Entry.Name);
  end;
end;

{ "property Items[Index: Integer]: TItem; read write;" -> name, "TItem Integer", access. }
procedure RegisterProperty(Compiler: TPSPascalCompiler; AClass: TPSCompileTimeClass; const Decl: string);
var
  S, Name, Params, TypeText, Access, ParamTypes, Group, GroupType: string;
  Close, Colon, Semi, NameCount, I: Integer;
  Parts: TStringList;
  Kind: TPSPropType;
begin
  S := Trim(Copy(Decl, Length('property ') + 1, MaxInt));
  Name := MemberName('property ' + S);
  S := Trim(Copy(S, Length(Name) + 1, MaxInt));
  ParamTypes := '';
  if (S <> '') and (S[1] = '[') then
  begin
    Close := Pos(']', S);
    Params := Copy(S, 2, Close - 2);
    S := Trim(Copy(S, Close + 1, MaxInt));
    Parts := TStringList.Create;
    try
      Parts.Delimiter := ';';
      Parts.StrictDelimiter := True;
      Parts.DelimitedText := Params;
      for I := 0 to Parts.Count - 1 do
      begin
        Group := Parts[I];
        Colon := Pos(':', Group);
        GroupType := Trim(Copy(Group, Colon + 1, MaxInt));
        NameCount := 1;
        for Close := 1 to Colon - 1 do
          if Group[Close] = ',' then
            Inc(NameCount);
        for Close := 1 to NameCount do
          ParamTypes := ParamTypes + ' ' + GroupType;
      end;
    finally
      Parts.Free;
    end;
  end;
  if (S = '') or (S[1] <> ':') then
    raise EDataError.Create('property without a type: ' + Decl);
  { the type is one word; the reference sometimes omits the ";" before the access words }
  S := TrimLeft(Copy(S, 2, MaxInt));
  Semi := 1;
  while (Semi <= Length(S)) and not (S[Semi] in [';', ' ']) do
    Inc(Semi);
  TypeText := Copy(S, 1, Semi - 1);
  Access := LowerCase(Copy(S, Semi, MaxInt));
  if (Pos('read', Access) > 0) and (Pos('write', Access) > 0) then
    Kind := iptRW
  else if Pos('write', Access) > 0 then
    Kind := iptW
  else
    Kind := iptR;
  Parts := TStringList.Create;
  try
    Parts.Delimiter := ' ';
    Parts.DelimitedText := TypeText + ParamTypes;
    for I := 0 to Parts.Count - 1 do
      if Compiler.FindType(Parts[I]) = nil then
      begin
        Problem('unknown type ' + Parts[I] + ' in ' + Decl);
        Exit;
      end;
  finally
    Parts.Free;
  end;
  AClass.RegisterProperty(Name, TypeText + ParamTypes, Kind);
end;

procedure DeclareClassMembers(Compiler: TPSPascalCompiler);
var
  I, M: Integer;
  Entry: TClassEntry;
  AClass: TPSCompileTimeClass;
  Decl: string;
begin
  for I := 0 to ClassEntries.Count - 1 do
  begin
    Entry := TClassEntry(ClassEntries.Objects[I]);
    AClass := Compiler.FindClass(Entry.Name);
    for M := 0 to Entry.Members.Count - 1 do
    begin
      Decl := Entry.Members[M];
      try
        if StartsWith(Decl, 'property ') then
          RegisterProperty(Compiler, AClass, Decl)
        else if not AClass.RegisterMethod(WithoutSemicolon(Decl)) then
          Problem('cannot declare ' + Entry.Name + ': ' + Decl);
      except
        on E: EPSCompilerException do
          Problem('cannot declare ' + Entry.Name + ': ' + Decl + ' (' + E.Message + ')');
      end;
    end;
  end;
end;

function MessageIdentifiers(const FileName, Section: string): string;
var
  Lines: TStringList;
  I, Colon: Integer;
  InSection: Boolean;
begin
  Result := '';
  Lines := ReadLines(FileName);
  try
    InSection := False;
    for I := 0 to Lines.Count - 1 do
    begin
      if StartsWith(Lines[I], '[') then
        InSection := Trim(Lines[I]) = Section
      else if InSection and StartsWith(Lines[I], 'message IDs') then
      begin
        Colon := Pos(':', Lines[I]);
        Result := Trim(Copy(Lines[I], Colon + 1, MaxInt));
        Exit;
      end;
    end;
  finally
    Lines.Free;
  end;
  raise EDataError.Create('no message identifiers for ' + Section + ' in ' + FileName);
end;

procedure DeclareMessageType(Compiler: TPSPascalCompiler; const Args: string);
var
  Words, Ids: TStringList;
  Enum: string;
  I: Integer;
begin
  Words := TStringList.Create;
  Ids := TStringList.Create;
  try
    Words.Delimiter := ' ';
    Words.DelimitedText := Args;
    if Words.Count <> 3 then
      raise EDataError.Create('messages needs FILE SECTION PREFIX: ' + Args);
    Ids.CommaText := MessageIdentifiers(Words[0], Words[1]);
    Enum := '';
    for I := 0 to Ids.Count - 1 do
    begin
      if Enum <> '' then
        Enum := Enum + ', ';
      Enum := Enum + Words[2] + Trim(Ids[I]);
    end;
    Compiler.AddTypeS('TSetupMessageID', '(' + Enum + ')');
  finally
    Words.Free;
    Ids.Free;
  end;
end;

function ParseValue(const Text: string): Int64;
begin
  if not TryStrToInt64(Text, Result) then
    raise EDataError.Create('not a number: ' + Text);
end;

{ "const NAME: TYPE = VALUE" }
procedure DeclareConstant(Compiler: TPSPascalCompiler; const Args: string);
var
  Colon, Equals: Integer;
  Name, TypeName, Value: string;
  Constant: TPSConstant;
begin
  Colon := Pos(':', Args);
  Equals := Pos('=', Args);
  Name := Trim(Copy(Args, 1, Colon - 1));
  TypeName := Trim(Copy(Args, Colon + 1, Equals - Colon - 1));
  Value := Trim(Copy(Args, Equals + 1, MaxInt));
  Constant := Compiler.AddConstantN(Name, TypeName);
  if (Value <> '') and (Value[1] = '#') then
    Constant.SetChar(Chr(ParseValue(Copy(Value, 2, MaxInt))))
  else
    Constant.SetInt(Longint(ParseValue(Value)));
end;

{ "function Name(Params): T;" -> "function(Params): T", a procedural type of the same shape. }
function ProcedureTypeOf(const Decl: string): string;
var
  S, Kind, Name: string;
begin
  S := WithoutSemicolon(Decl);
  Kind := Copy(S, 1, Pos(' ', S) - 1);
  Name := MemberName(S);
  Result := Kind + Trim(Copy(S, Pos(Name, S) + Length(Name), MaxInt));
end;

procedure DeclareEvent(Compiler: TPSPascalCompiler; const Decl: string);
var
  Name: string;
  EventType: TPSType;
begin
  Name := MemberName(Decl);
  EventType := Compiler.AddTypeS('TalmoCheckEvent_' + Name, ProcedureTypeOf(Decl));
  EventDecls.Values[UpperCase(Name)] := Compiler.MakeDecl(TPSProceduralType(EventType).ProcDef);
  EventTexts.Values[UpperCase(Name)] := WithoutSemicolon(Decl);
end;

{ Renames the routines of this Pascal Script that have the name out of reach. }
procedure HideRoutine(Compiler: TPSPascalCompiler; const Name: string);
var
  I: Integer;
  Proc: TPSRegProc;
  UpperName: string;
begin
  UpperName := UpperCase(Name);
  for I := 0 to Compiler.GetRegProcCount - 1 do
  begin
    Proc := Compiler.GetRegProc(I);
    if Proc.Name = UpperName then
      Proc.Name := '!HIDDEN ' + Proc.Name;
  end;
end;

{ Routines of this Pascal Script that the installer's lacks. }
procedure HideRoutines(Compiler: TPSPascalCompiler; const Names: string);
var
  Words: TStringList;
  I: Integer;
begin
  Words := TStringList.Create;
  try
    Words.Delimiter := ' ';
    Words.DelimitedText := Names;
    for I := 0 to Words.Count - 1 do
      HideRoutine(Compiler, Words[I]);
  finally
    Words.Free;
  end;
end;

procedure DeclareTypesFile(Compiler: TPSPascalCompiler);
var
  Lines: TStringList;
  Line, Word, Rest, Name: string;
  I, Space, Equals: Integer;
begin
  Lines := ReadDataLines('script-types.txt');
  try
    for I := 0 to Lines.Count - 1 do
    begin
      Line := Lines[I];
      Space := Pos(' ', Line);
      Word := Copy(Line, 1, Space - 1);
      Rest := Trim(Copy(Line, Space + 1, MaxInt));
      try
        if (Word = 'type') or (Word = 'type?') then
        begin
          Equals := Pos('=', Rest);
          Name := Trim(Copy(Rest, 1, Equals - 1));
          if (Word = 'type') or (Compiler.FindType(Name) = nil) then
            Compiler.AddTypeS(Name, Trim(Copy(Rest, Equals + 1, MaxInt)));
        end
        else if Word = 'const' then
          DeclareConstant(Compiler, Rest)
        else if Word = 'global' then
          Compiler.AddDelphiFunction(WithoutSemicolon(Rest))
        else if Word = 'event' then
          DeclareEvent(Compiler, Rest)
        else if Word = 'messages' then
          DeclareMessageType(Compiler, Rest)
        else if Word = 'default' then
          DefaultProperties.Add(Rest)
        else if Word = 'hide' then
          HideRoutines(Compiler, Rest)
        else if Word = 'hide-type' then
          { the compiler is built without these types' uses in the installer's dialect }
        else
          raise EDataError.Create('unknown line kind');
      except
        on E: EPSCompilerException do
          Problem(Format('script-types.txt:%d: %s (%s)', [LineNumber(Lines, I), Line, E.Message]));
        on E: EDataError do
          raise EDataError.CreateFmt('script-types.txt:%d: %s (%s)', [LineNumber(Lines, I), Line, E.Message]);
      end;
    end;
  finally
    Lines.Free;
  end;
end;

{ Needs the class members, so it runs after them. }
procedure DeclareDefaultProperties(Compiler: TPSPascalCompiler);
var
  I: Integer;
  Rest: string;
  AClass: TPSCompileTimeClass;
begin
  for I := 0 to DefaultProperties.Count - 1 do
  begin
    Rest := DefaultProperties[I];
    AClass := Compiler.FindClass(Copy(Rest, 1, Pos('.', Rest) - 1));
    if AClass = nil then
      raise EDataError.Create('unknown class in default ' + Rest);
    AClass.SetDefaultPropery(Copy(Rest, Pos('.', Rest) + 1, MaxInt));
  end;
end;

{ Pascal Script compiles these itself, with an argument check of its own. }
function IsCompilerIntrinsic(const Name: string): Boolean;
begin
  Result := SameText(Name, 'Chr') or SameText(Name, 'Ord') or
    SameText(Name, 'GetArrayLength') or SameText(Name, 'SetArrayLength');
end;

procedure DeclareFunctionsFile(Compiler: TPSPascalCompiler; const FileName: string);
var
  Lines: TStringList;
  Line: string;
  I, Tab: Integer;
begin
  Lines := ReadLines(FileName);
  try
    for I := 0 to Lines.Count - 1 do
    begin
      Line := Lines[I];
      Tab := Pos(#9, Line);
      if (Tab = 0) or IsCompilerIntrinsic(Copy(Line, 1, Tab - 1)) then
        Continue;
      try
        { the installer's declaration replaces a built-in of the same name }
        HideRoutine(Compiler, Copy(Line, 1, Tab - 1));
        Compiler.AddDelphiFunction(WithoutSemicolon(Copy(Line, Tab + 1, MaxInt)));
      except
        on E: EPSCompilerException do
          Problem(Format('%s:%d: %s (%s)', [FileName, I + 1, Line, E.Message]));
      end;
    end;
  finally
    Lines.Free;
  end;
end;

function OnUses(Sender: TPSPascalCompiler; const Name: tbtString): Boolean;
begin
  Result := Name = 'SYSTEM';
  if not Result then
  begin
    Sender.MakeError('', ecUnknownIdentifier, Name);
    Exit;
  end;
  Sender.AllowDuplicateRegister := True;
  DeclareClasses(Sender);
  DeclareTypesFile(Sender);
  DeclareClassMembers(Sender);
  DeclareDefaultProperties(Sender);
  DeclareFunctionsFile(Sender, 'script-functions.tsv');
  DeclareFunctionsFile(Sender, 'help-only-functions.tsv');
  DeclareFunctionsFile(Sender, 'script-functions-compiler.tsv');
  Sender.AllowDuplicateRegister := False;
end;

{ An event routine of the installer must have its documented prototype. }
function OnExportCheck(Sender: TPSPascalCompiler; Proc: TPSInternalProcedure; const ProcDecl: tbtString): Boolean;
var
  Expected: string;
begin
  Result := True;
  if EventDecls.IndexOfName(Proc.Name) < 0 then
    Exit;
  Expected := EventDecls.Values[Proc.Name];
  if Expected <> ProcDecl then
  begin
    Sender.MakeError('', ecCustomError, 'Invalid prototype for ''' + Proc.OriginalName +
      ''' (expected ' + EventTexts.Values[Proc.Name] + ')').SetCustomPos(Proc.DeclarePos, Proc.DeclareRow, Proc.DeclareCol);
    Result := False;
  end;
end;

{ The installer's external declarations may end with load options that the
  DLL import of Pascal Script does not know. }
function OnExternalProc(Sender: TPSPascalCompiler; Decl: TPSParametersDecl; const Name, FExternal: tbtString): TPSRegProc;
const
  LoadOptions: array[0..3] of string = (' setuponly', ' uninstallonly', ' delayload', ' loadwithalteredsearchpath');
var
  Text: string;
  I, At: Integer;
begin
  Text := FExternal;
  for I := Low(LoadOptions) to High(LoadOptions) do
  begin
    At := Pos(LoadOptions[I], LowerCase(Text));
    if At > 0 then
      Delete(Text, At, Length(LoadOptions[I]));
  end;
  Result := DllExternalProc(Sender, Decl, Name, Text);
end;

function ReadStandardInput: string;
var
  Input: THandleStream;
  Chunk: array[0..65535] of Char;
  Part: string;
  Count: Longint;
begin
  Result := '';
  Input := THandleStream.Create(StdInputHandle);
  try
    repeat
      Count := Input.Read(Chunk, SizeOf(Chunk));
      if Count > 0 then
      begin
        SetString(Part, PChar(@Chunk[0]), Count);
        Result := Result + Part;
      end;
    until Count <= 0;
  finally
    Input.Free;
  end;
end;

function Compile(const Code: string): Integer;
var
  Compiler: TPSPascalCompiler;
  Ok: Boolean;
  I: Integer;
  Msg: TPSPascalCompilerMessage;
begin
  Compiler := TPSPascalCompiler.Create;
  try
    Compiler.OnUses := OnUses;
    Compiler.OnExportCheck := OnExportCheck;
    Compiler.OnExternalProc := OnExternalProc;
    Compiler.AllowNoBegin := True;
    Compiler.AllowNoEnd := True;
    Compiler.BooleanShortCircuit := True;
    Ok := Compiler.Compile(Code);
    for I := 0 to RegistrationProblems.Count - 1 do
      WriteLn(ErrOutput, 'declaration: ', RegistrationProblems[I]);
    for I := 0 to Compiler.MsgCount - 1 do
    begin
      Msg := Compiler.Msg[I];
      if Msg is TPSPascalCompilerError then
        Ok := False;
      WriteLn(Format('%d:%d: %s: %s', [Msg.Row, Msg.Col, Msg.ErrorType, Msg.ShortMessageToString]));
    end;
    if RegistrationProblems.Count > 0 then
      Result := 2
    else if Ok then
      Result := 0
    else
      Result := 1;
  finally
    Compiler.Free;
  end;
end;

begin
  if ParamCount <> 1 then
  begin
    WriteLn(ErrOutput, 'usage: pascalcheck DATA-FOLDER < CODE');
    Halt(2);
  end;
  DataDir := ParamStr(1);
  ClassEntries := TStringList.Create;
  EventDecls := TStringList.Create;
  EventTexts := TStringList.Create;
  RegistrationProblems := TStringList.Create;
  DefaultProperties := TStringList.Create;
  try
    try
      ReadClassFile('script-classes.txt');
      ReadClassFile('script-classes-extra.txt');
      ApplyCompilerCorrections('script-classes-compiler.txt');
      ExitCode := Compile(ReadStandardInput);
    except
      on E: Exception do
      begin
        WriteLn(ErrOutput, 'pascalcheck: ', E.Message);
        ExitCode := 2;
      end;
    end;
  finally
    DefaultProperties.Free;
    RegistrationProblems.Free;
    EventTexts.Free;
    EventDecls.Free;
    ClassEntries.Free;
  end;
end.
